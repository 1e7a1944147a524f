// The card: one row of text cells per entry, the data-file fields in columns 1 to 1435
// and every computed figure in the columns above. Every stage reads and writes the card
// through this table, and numbers go in and out as text exactly as the screens show them.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "card/columns.h"
#include "card/record_reader.h"
#include "format/mask.h"
#include "format/numeric.h"

namespace kestravo {

// The computed figures of one card may take this much text. A sound card takes a few
// kilobytes a row; only figures of absurd size (a value of 1e4000 is four thousand digits
// through "###") can come near it, and past it the card is refused rather than stored.
inline constexpr std::size_t kMaxStoredTextBytes = std::size_t{256} << 20;

// Thrown by a store that would take the computed figures past their limit.
struct StoredTextFull : std::length_error {
  StoredTextFull() : std::length_error("the card's figures are too large to store") {}
};

class CardMatrix {
 public:
  // Discards everything and makes rows 0..entryCount of empty cells.
  void reset(int entryCount);
  // Takes a decoded data file (1,435 fields a record) as rows 1..recordCount, its fields
  // in columns 1..1435. Decoded with kRowCells spans a record, it is taken as it stands.
  // Precondition: the file text is at most kMostFileBytes long.
  void load(RecordTable&& records);
  // The longest file text whose offsets stay clear of the mark of the stored texts.
  static constexpr std::size_t kMostFileBytes = 0x7fffffffu;
  // The cells of one row, every column but 0.
  static constexpr int kRowCells = kColumnCount - 1;
  // Empties the card and hands over the file text and field spans it held, for the next
  // load to read over: a card reloaded after every change of scratches then reuses its
  // memory instead of taking fresh pages from the system and clearing them.
  RecordTable releaseBuffers();

  int entryCount() const { return entryCount_; }
  // For tests: a smaller limit on the stored figures than kMaxStoredTextBytes, and the memory
  // the stored figures hold.
  void limitStoredText(std::size_t bytes) { storedTextLimit_ = bytes; }
  std::size_t storedTextCapacity() const { return storedCapacity_; }

  // Cells outside rows 1..entryCount or columns 1..2000 read as empty. A returned view
  // stays valid until the next store into the card.
  std::string_view text(int row, int column) const {
    if (!inBounds(row, column)) return {};
    const FieldSpan s = cells_[cellIndex(row, column)];
    if (s.offset & kStoredText) {
      return std::string_view(stored_.get() + (s.offset & ~kStoredText), s.size);
    }
    return std::string_view(fileText_.data() + s.offset, s.size);
  }
  long double value(int row, int column) const { return cellValue(text(row, column)); }
  bool scratched(int row) const { return text(row, col::kScratchMark) == "S"; }

  void setText(int row, int column, std::string_view text) {
    if (!inBounds(row, column)) return;
    // Half of all stores are a single character ("0", "1", "S"): those point into the table
    // of every character at the front of the stored texts instead of adding to them.
    if (text.size() <= 1) {
      cell(row, column) = text.empty()
                              ? FieldSpan{}
                              : FieldSpan{kStoredText | static_cast<unsigned char>(text[0]), 1};
      return;
    }
    cell(row, column) = store(text);
  }
  // Asks the processor to start bringing a row's cells and file text into its cache. On a
  // card far larger than the cache every row is otherwise read from memory cell by cell as its
  // first figures ask for it; fetched while the row before is computed, it is there.
  void prefetchRow(int row) const;

  // The plain whole-number form: " 7380", " 0", "-17".
  void setWhole(int row, int column, long long n);
  // Stored through a picture mask, so later readers see the rounded value. The mask is read
  // after the stored texts may have moved, so it must not be a view of the card's own cells
  // (every mask in use is a literal of the program).
  void setMasked(int row, int column, const FigureMask& mask, long double v);

 private:
  static constexpr int kComputedColumns = kRowCells - kFieldCount;

  // Where the cell of a row and column within the bounds lies: rows one after another, each
  // its data-file fields where the reader put them, then its computed columns.
  static std::size_t cellIndex(int row, int column) {
    return static_cast<std::size_t>(row - 1) * kRowCells + static_cast<std::size_t>(column - 1);
  }
  FieldSpan& cell(int row, int column) { return cells_[cellIndex(row, column)]; }
  // One comparison a bound: a row or column below 1 wraps round to a count past every bound.
  bool inBounds(int row, int column) const {
    return static_cast<unsigned>(row) - 1 < static_cast<unsigned>(entryCount_) &&
           static_cast<unsigned>(column) - 1 < static_cast<unsigned>(kRowCells);
  }
  // Appends a text of two or more characters to the stored texts.
  FieldSpan store(std::string_view text);
  // Empties the stored texts down to the table of single characters.
  void clearStoredTexts(std::size_t room);
  // Where the next stored text goes, with room for `n` characters past it.
  char* storedRoom(std::size_t n) {
    if (storedCapacity_ - storedSize_ < n) growStoredTexts(n);
    return stored_.get() + storedSize_;
  }
  void growStoredTexts(std::size_t n);
  // Throws StoredTextFull when `length` more characters would take the stored texts past
  // their limit.
  void checkStoredRoom(std::size_t length) const {
    if (length > storedTextLimit_ - std::min(storedSize_, storedTextLimit_)) {
      throw StoredTextFull();
    }
  }
  // Counts `length` characters written at storedRoom() as a stored text; past the limit
  // nothing is counted and StoredTextFull is thrown.
  FieldSpan keepStored(std::size_t length) {
    checkStoredRoom(length);
    const std::size_t offset = storedSize_;
    storedSize_ += length;
    return FieldSpan{static_cast<std::uint32_t>(offset) | kStoredText,
                     static_cast<std::uint32_t>(length)};
  }

  int entryCount_ = 0;
  // The data file's own text, as the reader left it, holds the fields; every stored text
  // is appended to the second buffer and its cell repointed there (offsets marked by
  // kStoredText), so a store never moves the file text. The second buffer opens with every
  // character once, for the single-character stores.
  static constexpr std::uint32_t kStoredText = 0x80000000u;
  static_assert(kMaxStoredTextBytes < kStoredText, "stored offsets must not reach the mark");
  static_assert(kMostFileBytes < kStoredText, "file offsets must not reach the mark");
  std::size_t storedTextLimit_ = kMaxStoredTextBytes;
  std::string fileText_;
  // The stored texts, `storedSize_` of them in use; grown by doubling.
  std::unique_ptr<char[]> stored_;
  std::size_t storedSize_ = 0;
  std::size_t storedCapacity_ = 0;
  SpanList cells_;
};

}  // namespace kestravo
