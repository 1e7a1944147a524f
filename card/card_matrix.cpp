#include "card/card_matrix.h"

#include <algorithm>
#include <cstring>
#include <functional>

#include "format/mask.h"

namespace kestravo {

namespace {
// Room for the computed columns of one load, so stores rarely move the buffer.
constexpr std::size_t kComputedBytesPerRow = 2048;
// The stored texts' smallest buffer.
constexpr std::size_t kLeastStoredRoom = 4096;
}  // namespace

void CardMatrix::clearStoredTexts(std::size_t room) {
  constexpr std::size_t kCharacters = 256;
  storedSize_ = 0;
  char* const table = storedRoom(kCharacters + room);
  for (std::size_t c = 0; c < kCharacters; ++c) table[c] = static_cast<char>(c);
  storedSize_ = kCharacters;
}

void CardMatrix::growStoredTexts(std::size_t n) {
  // Doubling, but never past the limit and the room asked for: a store past the limit is
  // refused, and the memory of a refused card stays within its bound.
  const std::size_t capacity = std::max(
      {kLeastStoredRoom, std::min(2 * storedCapacity_, storedTextLimit_ + n), storedSize_ + n});
  auto grown = std::make_unique_for_overwrite<char[]>(capacity);
  if (storedSize_ != 0) std::memcpy(grown.get(), stored_.get(), storedSize_);
  stored_ = std::move(grown);
  storedCapacity_ = capacity;
}

void CardMatrix::reset(int entryCount) {
  entryCount_ = entryCount < 0 ? 0 : entryCount;
  fileText_.clear();
  clearStoredTexts(0);
  cells_.assign(static_cast<std::size_t>(entryCount_) * kRowCells, FieldSpan{});
}

void CardMatrix::load(RecordTable&& records) {
  if (records.fieldsPerRecord != kFieldCount) {
    reset(0);
    return;
  }
  entryCount_ = records.recordCount;
  fileText_ = std::move(records.text);
  const std::size_t room = kComputedBytesPerRow * static_cast<std::size_t>(entryCount_);
  // The texts of a far larger card, or of one refused for the size of its figures, are not
  // kept in memory for a card that needs a fraction of the room; a card opened again keeps
  // its buffer.
  constexpr std::size_t kOutgrown = 4;
  if (storedCapacity_ > std::max(kLeastStoredRoom, kOutgrown * room)) {
    stored_.reset();
    storedCapacity_ = 0;
    storedSize_ = 0;
  }
  clearStoredTexts(room);
  // Every computed cell starts empty: read with a row's room, the reader left them so.
  if (records.stride == kRowCells) {
    cells_ = std::move(records.spans);
    return;
  }
  const auto rows = static_cast<std::size_t>(entryCount_);
  cells_.resize(rows * kRowCells);
  for (std::size_t r = 0; r < rows; ++r) {
    const auto row = cells_.begin() + static_cast<std::ptrdiff_t>(r * kRowCells);
    std::copy_n(records.spans.begin() + static_cast<std::ptrdiff_t>(r) * records.stride,
                kFieldCount, row);
    std::fill_n(row + kFieldCount, kComputedColumns, FieldSpan{});
  }
}

RecordTable CardMatrix::releaseBuffers() {
  RecordTable buffers;
  buffers.text = std::move(fileText_);  // left as it is: a read overwrites it
  buffers.spans = std::move(cells_);
  buffers.spans.clear();
  reset(0);
  return buffers;
}

FieldSpan CardMatrix::store(std::string_view text) {
  const std::size_t n = text.size();
  // Told before any room is made, so that a text past the limit takes none.
  checkStoredRoom(n);
  // The text may itself be a view of an earlier store (a copy from another cell); making room
  // could move the buffer under it, so it is found again by its position.
  const std::less<const char*> before;
  const char* const base = stored_.get();
  const bool stored = !before(text.data(), base) && before(text.data(), base + storedSize_);
  const std::size_t at = stored ? static_cast<std::size_t>(text.data() - base) : 0;
  char* const out = storedRoom(n);
  const char* const from = stored ? stored_.get() + at : text.data();
  // Stores are mostly a few characters: two overlapping fixed-size copies instead of a call.
  if (n >= 8 && n <= 16) {
    std::memcpy(out, from, 8);
    std::memcpy(out + n - 8, from + n - 8, 8);
  } else if (n >= 4 && n < 8) {
    std::memcpy(out, from, 4);
    std::memcpy(out + n - 4, from + n - 4, 4);
  } else if (n >= 2 && n < 4) {
    std::memcpy(out, from, 2);
    std::memcpy(out + n - 2, from + n - 2, 2);
  } else {
    std::memcpy(out, from, n);
  }
  return keepStored(n);
}

void CardMatrix::prefetchRow(int row) const {
  // A card of a few hundred entries stays in the cache from its reading to its figures; there
  // the fetches would only cost.
  constexpr int kFewestRowsFetched = 500;
  if (entryCount_ < kFewestRowsFetched || row < 1 || row > entryCount_) return;
  constexpr std::size_t kLine = 64;
  const auto r = static_cast<std::size_t>(row - 1);
  const auto* spans = reinterpret_cast<const char*>(cells_.data() + r * kRowCells);
  // The file fields are read; the computed cells, cleared at the load, are written and read.
  for (std::size_t b = 0; b < kFieldCount * sizeof(FieldSpan); b += kLine) {
    __builtin_prefetch(spans + b);
  }
  for (std::size_t b = kFieldCount * sizeof(FieldSpan); b < kRowCells * sizeof(FieldSpan);
       b += kLine) {
    __builtin_prefetch(spans + b, 1);
  }
  // The record's text runs from its first field to the next record's; a record of absurd
  // length is fetched only as far as a sound one goes.
  constexpr std::size_t kMostRecordText = 16384;
  const std::size_t from = cells_[r * kRowCells].offset;
  const std::size_t next =
      row < entryCount_ ? cells_[(r + 1) * kRowCells].offset : fileText_.size();
  const std::size_t to = std::min({next, fileText_.size(), from + kMostRecordText});
  for (std::size_t b = from; b < to; b += kLine) {
    __builtin_prefetch(fileText_.data() + b);
  }
}

void CardMatrix::setWhole(int row, int column, long long n) {
  if (!inBounds(row, column)) return;
  // Written in place: every plain whole number takes two characters or more.
  auto& text = *reinterpret_cast<char(*)[kPlainWholeLength]>(storedRoom(kPlainWholeLength));
  cell(row, column) = keepStored(writePlainWhole(n, text));
}

void CardMatrix::setMasked(int row, int column, const FigureMask& mask, long double v) {
  if (!inBounds(row, column)) return;
  if (const std::size_t length = layPlainFigure(mask, v, storedRoom(kPlainFigureRoom))) {
    cell(row, column) = keepStored(length);
    return;
  }
  cell(row, column) = store(Format(mask.text(), v));
}

}  // namespace kestravo
