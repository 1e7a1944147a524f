// Blank trimming for cell texts: the lists and reports compare and show texts with their
// blanks removed at one or both ends.
#pragma once

#include <string_view>

namespace kestravo {

// The text without blanks at either end (tabs and line breaks are kept).
constexpr std::string_view trimBlanks(std::string_view s) {
  const std::size_t first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// The text without its trailing blanks.
constexpr std::string_view withoutTrailingBlanks(std::string_view s) {
  const std::size_t last = s.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string_view() : s.substr(0, last + 1);
}

}  // namespace kestravo
