// Hand-worked report lines for the report tests: each expected text placed at the 1-based
// column a layout gives it, and a drawn report split back into its lines.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "card/card_matrix.h"
#include "reports/text_grid.h"

namespace kestravo::testing {

// Sets the cells of one card row: column and text.
inline void fill(CardMatrix& matrix, int row,
                 std::initializer_list<std::pair<int, std::string_view>> cells) {
  for (const auto& [column, text] : cells) matrix.setText(row, column, text);
}

// The texts at their columns, in order; blanks between them, none at the end. Texts that
// would overlap are a mistake in the expectation.
inline std::string placed(std::initializer_list<std::pair<int, std::string_view>> items) {
  std::string line;
  for (const auto& [at, text] : items) {
    const auto column = static_cast<std::size_t>(at - 1);
    if (line.size() > column) throw std::logic_error("overlapping texts in an expected line");
    line.resize(column, ' ');
    line += text;
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line;
}

// What a report window was opened with: caption, place and size, and canvas.
inline void expectWindow(const TextGrid::Document& d, const std::string& caption,
                         const ReportGeometry& g, int canvasWidth, int canvasHeight) {
  EXPECT_EQ(d.caption, caption);
  EXPECT_EQ(d.geometry.left, g.left) << caption;
  EXPECT_EQ(d.geometry.top, g.top) << caption;
  EXPECT_EQ(d.geometry.rows, g.rows) << caption;
  EXPECT_EQ(d.geometry.columns, g.columns) << caption;
  EXPECT_EQ(d.canvasWidth, canvasWidth) << caption;
  EXPECT_EQ(d.canvasHeight, canvasHeight) << caption;
}

inline std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  if (text.empty()) return lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  lines.push_back(text.substr(start));
  return lines;
}

}  // namespace kestravo::testing
