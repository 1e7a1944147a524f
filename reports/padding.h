// Fixed-width text of the report screens that is not a figure: the blanks that carry a line
// to the column of its next item and the rules of hyphens under titles and between horses.
// Figures and masked names go through Format; every other width is made here.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kestravo {

// Blanks appended until the line is `width` characters wide; a wider line is left as it is.
inline void padTo(std::string& line, std::size_t width) {
  if (line.size() < width) line.append(width - line.size(), ' ');
}

// The text as one line of one character a byte: a line break, a tab or another control
// character inside a cell (a name with a line break in it, say) shows as a blank instead of
// breaking the line and pushing every later column out of place.
inline std::string oneLine(std::string_view text) {
  std::string line(text);
  for (char& c : line) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
  }
  return line;
}

// A rule of `width` hyphens.
inline std::string rule(std::size_t width) { return std::string(width, '-'); }

}  // namespace kestravo
