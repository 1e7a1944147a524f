#include "card/card_matrix.h"

#include <algorithm>
#include <cstring>

#include "format/mask.h"
#include "format/numeric.h"

namespace kestravo {

namespace {
// Room for the computed columns of one load, so stores rarely move the buffer.
constexpr std::size_t kComputedBytesPerRow = 2048;
}  // namespace

void CardMatrix::reset(int entryCount) {
  entryCount_ = entryCount < 0 ? 0 : entryCount;
  arena_.clear();
  cells_.assign(static_cast<std::size_t>(entryCount_ + 1) * kColumnCount, FieldSpan{});
}

void CardMatrix::load(RecordTable&& records) {
  reset(records.recordCount);
  arena_ = std::move(records.text);
  arena_.reserve(arena_.size() + kComputedBytesPerRow * static_cast<std::size_t>(entryCount_));
  const int fields = std::min(records.fieldsPerRecord, kColumnCount - 1);
  for (int row = 1; row <= entryCount_; ++row) {
    const FieldSpan* from =
        records.spans.data() +
        static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(records.fieldsPerRecord);
    std::copy(from, from + fields, cells_.begin() + static_cast<std::ptrdiff_t>(index(row, 1)));
  }
}

std::string_view CardMatrix::text(int row, int column) const {
  if (!inBounds(row, column)) return {};
  const FieldSpan s = cells_[index(row, column)];
  return std::string_view(arena_.data() + s.offset, s.size);
}

long double CardMatrix::value(int row, int column) const { return numericValue(text(row, column)); }

void CardMatrix::setText(int row, int column, std::string_view text) {
  if (!inBounds(row, column)) return;
  FieldSpan& cell = cells_[index(row, column)];
  const std::size_t offset = arena_.size();
  // The text may itself be a view into the arena (a copy from another cell); appending
  // could move the buffer under it, so copy by position in that case.
  const char* base = arena_.data();
  if (!text.empty() && text.data() >= base && text.data() < base + arena_.size()) {
    const std::size_t from = static_cast<std::size_t>(text.data() - base);
    arena_.append(arena_, from, text.size());
  } else {
    arena_.append(text);
  }
  cell = FieldSpan{static_cast<std::uint32_t>(offset), static_cast<std::uint32_t>(text.size())};
}

void CardMatrix::setWhole(int row, int column, long long n) { setText(row, column, plainWhole(n)); }

void CardMatrix::setMasked(int row, int column, std::string_view mask, long double v) {
  setText(row, column, Format(mask, v));
}

}  // namespace kestravo
