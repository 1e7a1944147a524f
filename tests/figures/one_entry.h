// A card of one entry for the figure tests: cells set by column, read back as text.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "card/card_matrix.h"
#include "card/columns.h"

namespace kestravo::testing {

class OneEntry {
 public:
  OneEntry() { m.reset(1); }
  void set(int column, std::string_view text) { m.setText(1, column, text); }
  // Consecutive columns from `first` on, the rest of `count` columns emptied.
  void setRun(int first, int count, std::initializer_list<const char*> texts) {
    int c = first;
    for (const char* t : texts) set(c++, t);
    for (; c < first + count; ++c) set(c, "");
  }
  void scratch(bool scratched = true) { set(col::kScratchMark, scratched ? "S" : ""); }
  std::string cell(int column) const { return std::string(m.text(1, column)); }

  CardMatrix m;
};

}  // namespace kestravo::testing
