#include "reports/connections_screens.h"

#include <gtest/gtest.h>

#include "card/fields.h"
#include "reports/text_grid.h"
#include "support/report_text.h"

namespace kestravo {
namespace {

using testing::fill;
using testing::linesOf;
using testing::placed;

// Lines of the sections as drawn for one row.
constexpr std::size_t kCombinationMeet = 2, kCombinationYear = 3, kJockeyHeader = 6,
                      kJockeyMeet = 7, kJockeyYear = 8, kJockeyLastYear = 9, kLastJockey = 10,
                      kTrainerHeader = 13, kTrainerMeet = 14, kTrainerYear = 15,
                      kTrainerLastYear = 16, kKeyHeader = 18, kFirstKeyRow = 19;

struct Drawn {
  TextGrid grid;
  std::vector<std::string> lines;
};

void draw(const CardMatrix& m, int row, Drawn& out) {
  out.grid.open("C", {});
  drawConnectionsScreens(m, row, out.grid);
  out.lines = linesOf(out.grid.text());
}

std::string statsLine(std::string_view label, std::string_view starts, int winAt,
                      std::string_view win, std::string_view wins, std::string_view places,
                      std::string_view shows, std::string_view roi) {
  return placed(
      {{1, label}, {35, starts}, {winAt, win}, {47, wins}, {57, places}, {67, shows}, {78, roi}});
}

TEST(ConnectionsScreens, EachSectionWorksOutItsWinPercentItsOwnWay) {
  CardMatrix m;
  m.reset(1);
  fill(m, 1,
       {{field::kJockey, "J SMITH"},
        {field::kTrainer, "T JONES"},
        {field::kLastRaceJockey, "R DIAZ"}});
  // clang-format off
  // Combination: 1 of 8 is 12.5, to the even 12; no starts (here fewer than none) is 0.
  fill(m, 1, {{1413, "8"}, {1414, "1"}, {1415, "2"}, {1416, "3"}, {1417, "1.85"},
              {219, "-4"}, {220, "1"}, {223, "-2"}});
  // Jockey: the added hundredth takes 12.5 up to 13.
  fill(m, 1, {{35, "8"}, {36, "1"}, {37, "4"}, {38, "1"},
              {1157, "20"}, {1158, "7"}, {1161, "0.4"}, {1162, "0"}, {1163, "0"}});
  // Trainer: 12.5 and 62.5 go to the even neighbour, 7 of 20 is 35.
  fill(m, 1, {{29, "8"}, {30, "1"},
              {1147, "20"}, {1148, "7"}, {1149, "5"}, {1150, "2"}, {1151, "12.346"},
              {1152, "8"}, {1153, "5"}});
  // clang-format on
  Drawn d;
  draw(m, 1, d);
  ASSERT_GT(d.lines.size(), kTrainerLastYear);
  // clang-format off
  const std::pair<std::size_t, std::string> rows[] = {
      {0, "TRAINER AND JOCKEY COMBINED STATS SCREEN"},
      {1, "                                 STRTS  WIN%  WIN       PLC       SHW       $2 ROI"},
      {kCombinationMeet, statsLine("THIS MEET", "  8", 41, " 12", "  1", "  2", "  3", " 1.85")},
      {kCombinationYear, statsLine("THIS YEAR", " -4", 41, "  0", "  1", "  0", "  0", "-2.00")},
      {4, ""},
      {5, "JOCKEY STATS SCREEN"},
      {kJockeyHeader,
       "J SMITH                          STRTS  WIN%  WIN       PLC       SHW       $2 ROI"},
      {kJockeyMeet, statsLine("THIS MEET", "  8", 41, " 13", "  1", "  4", "  1", " N/A")},
      {kJockeyYear, statsLine("CURRENT YEAR", " 20", 41, " 35", "  7", "  0", "  0", " 0.40")},
      {kJockeyLastYear, statsLine("PREVIOUS YEAR", "  0", 41, "  0", "  0", "  0", "  0", " 0.00")},
      {kLastJockey, placed({{1, "LAST RACE JOCKEY"}, {35, "R DIAZ"}})},
      {11, ""},
      {12, "TRAINER STATS SCREEN"},
      {kTrainerHeader,
       "T JONES                          STRTS  WIN%  WIN       PLC       SHW       $2 ROI"},
      {kTrainerMeet, statsLine("THIS MEET", "  8", 42, "12", "  1", "  0", "  0", " N/A")},
      {kTrainerYear, statsLine("CURRENT YEAR", " 20", 42, "35", "  7", "  5", "  2", "12.35")},
      {kTrainerLastYear, statsLine("PREVIOUS YEAR", "  8", 42, "62", "  5", "  0", "  0", " 0.00")},
      {17, ""},
  };
  // clang-format on
  for (const auto& [line, text] : rows) EXPECT_EQ(d.lines[line], text) << "line " << line;
}

// Key categories: name, starts, win percentage, in-the-money percentage, $2 return.
void setKeyCategory(CardMatrix& m, int row, int c, std::string_view name, std::string_view starts,
                    std::string_view win, std::string_view itm, std::string_view roi) {
  const KeyStatCategories k = field::kKeyStats;
  fill(m, row, {{k.name(c), name}, {k.starts(c), starts}, {k.winPercent(c), win}});
  fill(m, row, {{k.inTheMoneyPercent(c), itm}, {k.returnOnInvestment(c), roi}});
}

std::string keyLine(std::string_view name, std::string_view starts, std::string_view win,
                    std::string_view itm, std::string_view roi) {
  return placed({{1, name}, {35, starts}, {38, win}, {44, itm}, {60, roi}});
}

TEST(ConnectionsScreens, KeyStatisticRowsAndTheirHighlight) {
  const ReportColour yellow = ReportColour::rgb(255, 255, 0);
  const ReportColour plain = ReportColour::defaultBackground();
  CardMatrix m;
  m.reset(2);
  for (int row = 1; row <= 2; ++row) {
    setKeyCategory(m, row, 0, "first time starters, older trainers and the rest", "8", "10", "25",
                   "0.00");
    setKeyCategory(m, row, 1, "Turf sprints", "20", "18", "40", "-0.40");
    setKeyCategory(m, row, 2, "route \xc3\xa9", "10", "10", "30", "1.20");
    setKeyCategory(m, row, 3, "31-60 days away", "10", "10", "30", "0.00");
    setKeyCategory(m, row, 4, "no starts", "0", "50", "90", "3.00");
    setKeyCategory(m, row, 5, "Blinkers on", "3", "15", "33", "-1");
  }
  fill(m, 2, {{1436, "S"}});

  Drawn d;
  draw(m, 1, d);
  const std::vector<std::string> expected = {
      "KEY TRAINER STATS SCREEN         STRTS  WIN%            ITM%                $2 ROI",
      keyLine("FIRST TIME STARTERS, OLDER TRAINER", "  8", "    10", "              25",
              "                   0.00"),
      keyLine("TURF SPRINTS", " 20", "    18", "              40", "                  -0.40"),
      keyLine("ROUTE \xc3\xa9", " 10", "    10", "              30", "                   1.20"),
      keyLine("31-60 DAYS AWAY", " 10", "    10", "              30", "                   0.00"),
      keyLine("BLINKERS ON", "  3", "    15", "              33", "                  -1.00"),
      std::string(175, '-'),
  };
  ASSERT_EQ(d.lines.size(), kKeyHeader + expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(d.lines[kKeyHeader + i], expected[i]) << "line " << kKeyHeader + i;
  }

  // Background at the start of each row and under its in-the-money percentage.
  struct Shade {
    std::size_t line;
    ReportColour name;
    ReportColour itm;
  };
  const Shade shades[] = {
      {kFirstKeyRow, plain, yellow},       // 10 % and no profit, but the first row's end
      {kFirstKeyRow + 1, yellow, yellow},  // 18 % though losing money
      {kFirstKeyRow + 2, yellow, yellow},  // 10 % at a profit
      {kFirstKeyRow + 3, plain, plain},    // 10 % at no profit
      {kFirstKeyRow + 4, yellow, yellow},  // exactly 15 %
      {kFirstKeyRow + 5, plain, plain},    // the rule after the rows
  };
  const TextGrid::Document& doc = d.grid.documents().back();
  for (const Shade& s : shades) {
    EXPECT_EQ(doc.coloursAt({s.line, 0}).background, s.name) << "line " << s.line;
    EXPECT_EQ(doc.coloursAt({s.line, 43}).background, s.itm) << "line " << s.line;
    EXPECT_EQ(doc.coloursAt({s.line, 43}).text, ReportColour::defaultText()) << "line " << s.line;
  }

  // A scratched horse's profit is not highlighted; its win percentage still is.
  Drawn scratched;
  draw(m, 2, scratched);
  const TextGrid::Document& sdoc = scratched.grid.documents().back();
  EXPECT_EQ(sdoc.coloursAt({kFirstKeyRow + 2, 0}).background, plain);
  EXPECT_EQ(sdoc.coloursAt({kFirstKeyRow + 1, 0}).background, yellow);
}

TEST(ConnectionsScreens, FirstCategoryWithoutStartsShowsOnlyItsLastTwoFigures) {
  CardMatrix m;
  m.reset(1);
  setKeyCategory(m, 1, 0, "never shown", "0", "40", "12", "2.5");
  setKeyCategory(m, 1, 1, "also without starts", "0", "40", "12", "2.5");
  Drawn d;
  draw(m, 1, d);
  ASSERT_EQ(d.lines.size(), kFirstKeyRow + 2);
  EXPECT_EQ(d.lines[kFirstKeyRow],
            placed({{44, "              12"}, {60, "                   2.50"}}));
  EXPECT_EQ(d.lines[kFirstKeyRow + 1], std::string(175, '-'));
  const TextGrid::Document& doc = d.grid.documents().back();
  EXPECT_EQ(doc.coloursAt({kFirstKeyRow, 43}).background, ReportColour::rgb(255, 255, 0));
  EXPECT_EQ(doc.coloursAt({kFirstKeyRow + 1, 0}).background, ReportColour::defaultBackground());
}

}  // namespace
}  // namespace kestravo
