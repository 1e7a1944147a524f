// The contents of one list on screen, as plain text: the window shows it, tests read it and
// the command-line tool prints it.
#pragma once

#include <string>
#include <vector>

namespace kestravo {

using TextRow = std::vector<std::string>;

struct TextList {
  std::vector<std::string> titles;
  std::vector<TextRow> rows;
};

}  // namespace kestravo
