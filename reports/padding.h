// Fixed-width text of the report screens that is not a figure: the blanks that carry a line
// to the column of its next item and the rules of hyphens under titles and between horses.
// Figures and masked names go through Format; every other width is made here.
#pragma once

#include <cstddef>
#include <string>

namespace kestravo {

// Blanks appended until the line is `width` characters wide; a wider line is left as it is.
inline void padTo(std::string& line, std::size_t width) {
  if (line.size() < width) line.append(width - line.size(), ' ');
}

// A rule of `width` hyphens.
inline std::string rule(std::size_t width) { return std::string(width, '-'); }

}  // namespace kestravo
