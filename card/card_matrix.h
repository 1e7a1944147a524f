// The card: one row of text cells per entry, the data-file fields in columns 1 to 1435
// and every computed figure in the columns above. Every stage reads and writes the card
// through this table, and numbers go in and out as text exactly as the screens show them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "card/columns.h"
#include "card/record_reader.h"

namespace kestravo {

class CardMatrix {
 public:
  // Discards everything and makes rows 0..entryCount of empty cells.
  void reset(int entryCount);
  // Takes a decoded data file as rows 1..recordCount, fields 1..1435 in columns 1..1435.
  void load(RecordTable&& records);

  int entryCount() const { return entryCount_; }

  // Cells outside rows 1..entryCount or columns 1..2000 read as empty. A returned view
  // stays valid until the next store into the card.
  std::string_view text(int row, int column) const;
  long double value(int row, int column) const;
  bool scratched(int row) const { return text(row, col::kScratchMark) == "S"; }

  void setText(int row, int column, std::string_view text);
  // The plain whole-number form: " 7380", " 0", "-17".
  void setWhole(int row, int column, long long n);
  // Stored through a picture mask, so later readers see the rounded value.
  void setMasked(int row, int column, std::string_view mask, long double v);

 private:
  bool inBounds(int row, int column) const {
    return row >= 1 && row <= entryCount_ && column >= 1 && column < kColumnCount;
  }
  std::size_t index(int row, int column) const {
    return static_cast<std::size_t>(row) * kColumnCount + static_cast<std::size_t>(column);
  }

  int entryCount_ = 0;
  // Cell texts live back to back in one buffer; a store appends and repoints the cell.
  std::string arena_;
  std::vector<FieldSpan> cells_;
};

}  // namespace kestravo
