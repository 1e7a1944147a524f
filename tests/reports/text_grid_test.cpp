#include "reports/text_grid.h"

#include <gtest/gtest.h>

#include <functional>

namespace kestravo {
namespace {

TEST(TextGrid, TabNewLineAndLastLine) {
  struct Row {
    const char* name;
    std::function<void(TextGrid&)> draw;
    const char* text;
  };
  const Row rows[] = {
      {"tab pads to the column", [](TextGrid& g) { g.print("AB"), g.tab(6), g.print("C"); },
       "AB   C"},
      {"a long name pushes the next item down to its column",
       [](TextGrid& g) { g.print("A VERY LONG NAME"), g.tab(6), g.print("C"); },
       "A VERY LONG NAME\n     C"},
      {"tab to the cursor's own column stays on the line",
       [](TextGrid& g) { g.print("ABCDE"), g.tab(6), g.print("F"); }, "ABCDEF"},
      {"tab one left of the cursor starts a new line",
       [](TextGrid& g) { g.print("ABCDEF"), g.tab(6), g.print("G"); }, "ABCDEF\n     G"},
      {"tab to column 1 on a fresh line", [](TextGrid& g) { g.tab(1), g.print("A"); }, "A"},
      {"tab below 1 starts a new line at the margin",
       [](TextGrid& g) { g.print("AB"), g.tab(0), g.print("C"), g.tab(-5), g.print("D"); },
       "AB\nC\nD"},
      {"tab below 1 on an empty line still ends it", [](TextGrid& g) { g.tab(0), g.print("C"); },
       "\nC"},
      {"trailing blanks of every line are removed",
       [](TextGrid& g) { g.print("A  "), g.tab(9), g.newLine(), g.print("B "); }, "A\nB"},
      {"an ended empty line is kept", [](TextGrid& g) { g.print("A"), g.newLine(), g.newLine(); },
       "A\n"},
      {"the last line is dropped when it holds no text",
       [](TextGrid& g) { g.print("A"), g.newLine(), g.tab(20); }, "A"},
      {"empty lines inside a report are kept",
       [](TextGrid& g) { g.newLine(), g.newLine(), g.print("A"); }, "\n\nA"},
      {"a line break inside a cell shows as a blank and keeps the columns",
       [](TextGrid& g) { g.print("HARBOR\r\nEMBER\t"), g.tab(15), g.print("3.5"); },
       "HARBOR  EMBER 3.5"},
      {"nothing drawn", [](TextGrid&) {}, ""},
  };
  for (const Row& r : rows) {
    TextGrid grid;
    grid.open("C", {});
    r.draw(grid);
    EXPECT_EQ(grid.text(), r.text) << r.name;
  }
}

TEST(TextGrid, KeepsWhatEachReportWasOpenedWith) {
  using Place = TextGrid::Place;
  const ReportColour yellow = ReportColour::rgb(255, 255, 0);
  TextGrid grid;
  grid.open("FIRST", {1, 2, 3, 4});
  grid.setFont({"Courier New", 14});
  grid.setCanvas(2000, 20000);
  grid.setColours(ReportColour::rgb(0, 0, 0), ReportColour::defaultBackground());
  grid.print("TITLE");
  grid.newLine();
  grid.setFont({"Courier New", 9});
  grid.print("AB");
  grid.setColours(ReportColour::defaultText(), yellow);
  grid.print("CD");
  grid.newLine();
  grid.setColours(ReportColour::defaultText(), ReportColour::defaultBackground());
  grid.open("SECOND", {5, 6, 7, 8});
  grid.print("OTHER");
  grid.waitForKey();

  ASSERT_EQ(grid.documents().size(), 2u);
  const TextGrid::Document& first = grid.documents()[0];
  EXPECT_EQ(first.caption, "FIRST");
  EXPECT_EQ(first.geometry.left, 1);
  EXPECT_EQ(first.geometry.top, 2);
  EXPECT_EQ(first.geometry.rows, 3);
  EXPECT_EQ(first.geometry.columns, 4);
  EXPECT_EQ(first.canvasWidth, 2000);
  EXPECT_EQ(first.canvasHeight, 20000);
  EXPECT_EQ(first.keyWaits, 0);
  EXPECT_EQ(first.text(), "TITLE\nABCD");

  EXPECT_EQ(first.fontAt(Place{0, 3}).points, 14);
  EXPECT_EQ(first.fontAt(Place{1, 0}).points, 9);
  EXPECT_EQ(first.fontAt(Place{1, 0}).face, "Courier New");
  EXPECT_EQ(first.coloursAt(Place{0, 0}).text, ReportColour::rgb(0, 0, 0));
  EXPECT_EQ(first.coloursAt(Place{1, 1}).background, ReportColour::defaultBackground());
  EXPECT_EQ(first.coloursAt(Place{1, 2}).background, yellow);
  EXPECT_EQ(first.coloursAt(Place{1, 3}).text, ReportColour::defaultText());
  EXPECT_EQ(first.coloursAt(Place{2, 0}).background, ReportColour::defaultBackground());
  ASSERT_EQ(first.colours.size(), 3u);
  EXPECT_EQ(first.colours[1].at, (Place{1, 2}));

  const TextGrid::Document& second = grid.documents()[1];
  EXPECT_EQ(second.caption, "SECOND");
  EXPECT_EQ(second.keyWaits, 1);
  EXPECT_TRUE(second.fonts.empty());
  EXPECT_EQ(grid.text(), "OTHER");
}

TEST(TextGrid, DrawingBeforeAnyOpenIsKept) {
  TextGrid grid;
  EXPECT_EQ(grid.text(), "");
  grid.print("LOOSE");
  ASSERT_EQ(grid.documents().size(), 1u);
  EXPECT_EQ(grid.documents()[0].caption, "");
  EXPECT_EQ(grid.text(), "LOOSE");
}

}  // namespace
}  // namespace kestravo
