#include "card/card_matrix.h"

#include <algorithm>
#include <cstring>

#include "format/mask.h"

namespace kestravo {

namespace {
// Room for the computed columns of one load, so stores rarely move the buffer.
constexpr std::size_t kComputedBytesPerRow = 2048;
}  // namespace

void CardMatrix::clearStoredTexts(std::size_t room) {
  constexpr std::size_t kCharacters = 256;
  storedText_.clear();
  storedText_.reserve(kCharacters + room);
  for (std::size_t c = 0; c < kCharacters; ++c) storedText_ += static_cast<char>(c);
}

void CardMatrix::reset(int entryCount) {
  entryCount_ = entryCount < 0 ? 0 : entryCount;
  fileText_.clear();
  clearStoredTexts(0);
  const auto rows = static_cast<std::size_t>(entryCount_);
  fields_.assign(rows * kFieldCount, FieldSpan{});
  computed_.assign(rows * kComputedColumns, FieldSpan{});
}

void CardMatrix::load(RecordTable&& records) {
  if (records.fieldsPerRecord != kFieldCount) {
    reset(0);
    return;
  }
  entryCount_ = records.recordCount;
  fileText_ = std::move(records.text);
  clearStoredTexts(kComputedBytesPerRow * static_cast<std::size_t>(entryCount_));
  fields_ = std::move(records.spans);
  computed_.assign(static_cast<std::size_t>(entryCount_) * kComputedColumns, FieldSpan{});
}

RecordTable CardMatrix::releaseBuffers() {
  RecordTable buffers;
  buffers.text = std::move(fileText_);  // left as it is: a read overwrites it
  buffers.spans = std::move(fields_);
  buffers.spans.clear();
  reset(0);
  return buffers;
}

FieldSpan CardMatrix::store(std::string_view text) {
  const std::size_t offset = storedText_.size();
  if (text.size() > storedTextLimit_ - std::min(offset, storedTextLimit_)) throw StoredTextFull();
  // The text may itself be a view of an earlier store (a copy from another cell); appending
  // could move the buffer under it, so copy by position in that case.
  const char* base = storedText_.data();
  if (text.data() >= base && text.data() < base + storedText_.size()) {
    storedText_.append(storedText_, static_cast<std::size_t>(text.data() - base), text.size());
  } else {
    storedText_.append(text);
  }
  return FieldSpan{static_cast<std::uint32_t>(offset) | kStoredText,
                   static_cast<std::uint32_t>(text.size())};
}

void CardMatrix::prefetchRow(int row) const {
  // A card of a few hundred entries stays in the cache from its reading to its figures; there
  // the fetches would only cost.
  constexpr int kFewestRowsFetched = 500;
  if (entryCount_ < kFewestRowsFetched || row < 1 || row > entryCount_) return;
  constexpr std::size_t kLine = 64;
  const auto r = static_cast<std::size_t>(row - 1);
  const auto* spans = reinterpret_cast<const char*>(fields_.data() + r * kFieldCount);
  for (std::size_t b = 0; b < kFieldCount * sizeof(FieldSpan); b += kLine) {
    __builtin_prefetch(spans + b);
  }
  // The record's text runs from its first field to the next record's; a record of absurd
  // length is fetched only as far as a sound one goes.
  constexpr std::size_t kMostRecordText = 16384;
  const std::size_t from = fields_[r * kFieldCount].offset;
  const std::size_t next =
      row < entryCount_ ? fields_[(r + 1) * kFieldCount].offset : fileText_.size();
  const std::size_t to = std::min({next, fileText_.size(), from + kMostRecordText});
  for (std::size_t b = from; b < to; b += kLine) {
    __builtin_prefetch(fileText_.data() + b);
  }
}

void CardMatrix::setWhole(int row, int column, long long n) {
  char text[kPlainWholeLength];
  setText(row, column, std::string_view(text, writePlainWhole(n, text)));
}

void CardMatrix::setMasked(int row, int column, std::string_view mask, long double v) {
  if (!inBounds(row, column)) return;
  const std::size_t offset = storedText_.size();
  appendFormat(storedText_, mask, v);
  if (storedText_.size() > storedTextLimit_) {
    storedText_.resize(offset);
    throw StoredTextFull();
  }
  cell(row, column) = FieldSpan{static_cast<std::uint32_t>(offset) | kStoredText,
                                static_cast<std::uint32_t>(storedText_.size() - offset)};
}

}  // namespace kestravo
