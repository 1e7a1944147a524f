// The contents of one list on screen, as plain text: the window shows it, tests read it and
// the command-line tool prints it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "format/numeric.h"

namespace kestravo {

using TextRow = std::vector<std::string>;

struct TextList {
  std::vector<std::string> titles;
  std::vector<TextRow> rows;
};

// The value a click on a list's title sorts a cell by: its numeric value, read from no more
// than its first 256 characters, so that an absurdly long cell sorts as fast as a short one.
inline long double sortValue(std::string_view cell) {
  constexpr std::size_t kSortTextLimit = 256;
  return numericValue(cell.substr(0, kSortTextLimit));
}

}  // namespace kestravo
