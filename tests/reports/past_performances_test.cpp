#include "reports/past_performances.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "card/fields.h"
#include "reports/text_grid.h"
#include "support/report_text.h"

namespace kestravo {
namespace {

using testing::expectWindow;
using testing::fill;
using testing::linesOf;
using testing::placed;

// Race 1: ALPHA with a history, a scratched horse, BRAVO with none; race 2: one horse, scratched.
Card handCard() {
  Card card;
  card.raceCount = 2;
  card.raceLine = {"", " 1  8.5 F  D", " 2  6.0 F  T"};
  card.matrix.reset(4);
  fill(card.matrix, 1,
       {{3, "1"},
        {4, "1"},
        {43, "1A"},
        {45, "ALPHA"},
        {44, "2.5"},
        {211, "5"},
        {210, "E"},
        {1607, "60"},
        {1524, "4"},
        {51, "122"},
        {217, "85"},
        {1530, "P"}});
  fill(card.matrix, 2, {{3, "1"}, {4, "2"}, {45, "GONE"}, {1436, "S"}});
  fill(card.matrix, 3,
       {{3, "1"}, {4, "3"}, {43, "3"}, {45, "BRAVO"}, {44, "5"}, {33, "J SMITH"}, {28, "T JONES"}});
  fill(card.matrix, 4, {{3, "2"}, {4, "1"}, {45, "OUT"}, {1436, "S"}});
  return card;
}

std::vector<std::string> drawnLines(const Card& card, std::string_view race, TextGrid& grid) {
  drawPastPerformances(card, race, "KSV1208.DRF", grid);
  return linesOf(grid.text());
}

// The lines after the first line that starts with `start`, up to (not including) the first
// empty line.
std::vector<std::string> section(const std::vector<std::string>& lines, std::string_view start) {
  auto it = std::find_if(lines.begin(), lines.end(),
                         [&](const std::string& l) { return l.starts_with(start); });
  if (it == lines.end()) return {};
  return {std::next(it), std::find(std::next(it), lines.end(), std::string())};
}

TEST(PastPerformances, RaceZeroOrLessOpensNothing) {
  const Card card = handCard();
  for (const char* race : {"0", " 0", "", "-1", "X"}) {
    TextGrid grid;
    drawPastPerformances(card, race, "KSV1208.DRF", grid);
    EXPECT_TRUE(grid.documents().empty()) << '"' << race << '"';
  }
}

TEST(PastPerformances, WindowFontsCanvasAndColours) {
  const Card card = handCard();
  TextGrid grid;
  drawPastPerformances(card, " 1", "KSV1208.DRF", grid);
  ASSERT_EQ(grid.documents().size(), 1u);
  const TextGrid::Document& d = grid.documents()[0];
  expectWindow(d, "KSV1208.DRF" + std::string(77, ' ') + "PAST PERFORMANCES", {1, 1, 69, 250}, 2000,
               20000);
  EXPECT_EQ(d.keyWaits, 0);
  // The title and each horse's first two lines in the large font, the rest in the small.
  struct Size {
    std::size_t line;
    int points;
  };
  const std::vector<std::string> lines = linesOf(grid.text());
  const std::size_t bravo = static_cast<std::size_t>(
      std::find_if(lines.begin() + 3, lines.end(),
                   [](const std::string& l) { return l.starts_with("PP "); }) -
      lines.begin());
  for (const Size s : {Size{0, 14},
                       {1, 14},
                       {2, 14},
                       {3, 14},
                       {4, 9},
                       {bravo - 1, 9},
                       {bravo, 14},
                       {bravo + 1, 14},
                       {bravo + 2, 9}}) {
    EXPECT_EQ(d.fontAt({s.line, 0}).points, s.points) << "line " << s.line;
    EXPECT_EQ(d.fontAt({s.line, 0}).face, "Courier New") << "line " << s.line;
  }
  ASSERT_FALSE(d.colours.empty());
  EXPECT_EQ(d.colours[0].at, (TextGrid::Place{0, 0}));
  EXPECT_EQ(d.colours[0].text, ReportColour::rgb(0, 0, 0));
}

TEST(PastPerformances, WholeBlockOfAHorseWithoutHistory) {
  Card card = handCard();
  fill(card.matrix, 1, {{3, "3"}});  // ALPHA moves to a race of its own
  TextGrid grid;
  const std::vector<std::string> lines = drawnLines(card, "1", grid);
  // A record line of a horse without records: every figure 0.
  const auto record = [](std::string_view left, std::string_view right, bool power = false) {
    // clang-format off
    return placed({{1, left}, {11, "     0"}, {20, "  0"}, {28, "  0"}, {36, "  0"}, {44, "  0"},
                   {51, "         0"}, {80, right}, {91, "     0"}, {100, "  0"}, {108, "  0"},
                   {116, "  0"}, {124, "  0"}, {130, "         0"}, {146, power ? "  0" : ""}});
    // clang-format on
  };
  const auto stats = [](std::string_view label, int winAt, std::string_view win,
                        std::string_view roi) {
    return placed(
        {{1, label}, {35, "  0"}, {winAt, win}, {47, "  0"}, {57, "  0"}, {67, "  0"}, {78, roi}});
  };
  // clang-format off
  const std::vector<std::string> expected = {
      "RACE  1  8.5 F  D",
      std::string(111, '-'),
      "PP  PR        HORSE                         ML        Q      STYLE    ITM%        AGE       "
      " WT       PAR",
      placed({{1, " 3"}, {5, "3"}, {15, "BRAVO"}, {43, " 5.0"}, {71, "  0%"}, {84, " 0"},
              {93, "  0"}, {103, "  0"}}),
      "",
      "            APV    STR     WIN     PLC     SHW     EARNINGS$                                "
      "APV    STR     WIN     PLC     SHW     EARNING$      PWR",
      record("LIFETIME", "DISTANCE", true),
      record("", "TRACK"),
      record("", "DIRT"),
      record("ALLWEATHER", "TURF"),
      "",
      "DAY  TRK R#   CN   DST  SUR  1st       2nd       STR       FIN         E1   E2  LATE SPD   "
      "WT  ODDS   CLS   PURSE   CLASSIFICATION               DATE      COMMENT",
      "",
      placed({{1, "DAYS SINCE 1st BEST=    0"}, {31, "1st BEST=   0"},
              {50, "DAYS SINCE 2nd BEST=    0"}, {81, "2nd BEST=   0"},
              {100, "DAYS SINCE 3rd BEST=    0"}, {131, "3rd BEST=   0"}}),
      "",
      "QUENTAR STRIKE RATING REGARDLESS OF QUALIFICATION->",
      "QUENTAR STRIKE QUALIFIED RATING------------------->",
      "",
      "  DATE       TRK    TIME   DIST   CON    DES  DYS  WKS  RNK  CRT  TRK  CND  INT   TOT",
      "",
      "TRAINER AND JOCKEY COMBINED STATS SCREEN",
      "                                 STRTS  WIN%  WIN       PLC       SHW       $2 ROI",
      stats("THIS MEET", 41, "  0", " 0.00"),
      stats("THIS YEAR", 41, "  0", " 0.00"),
      "",
      "JOCKEY STATS SCREEN",
      "J SMITH                          STRTS  WIN%  WIN       PLC       SHW       $2 ROI",
      stats("THIS MEET", 41, "  0", " N/A"),
      stats("CURRENT YEAR", 41, "  0", " 0.00"),
      stats("PREVIOUS YEAR", 41, "  0", " 0.00"),
      "LAST RACE JOCKEY",
      "",
      "TRAINER STATS SCREEN",
      "T JONES                          STRTS  WIN%  WIN       PLC       SHW       $2 ROI",
      stats("THIS MEET", 42, " 0", " N/A"),
      stats("CURRENT YEAR", 42, " 0", " 0.00"),
      stats("PREVIOUS YEAR", 42, " 0", " 0.00"),
      "",
      "KEY TRAINER STATS SCREEN         STRTS  WIN%            ITM%                $2 ROI",
      placed({{44, "               0"}, {60, "                   0.00"}}),
      std::string(175, '-'),
  };
  // clang-format on
  ASSERT_EQ(lines.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(lines[i], expected[i]) << "line " << i;
  }
}

TEST(PastPerformances, HorsesOfTheRaceInCardOrderWithoutScratches) {
  TextGrid grid;
  const std::vector<std::string> lines = drawnLines(handCard(), "1", grid);
  std::vector<std::string> names;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (lines[i - 1].starts_with("PP  ")) names.push_back(lines[i].substr(14, 5));
  }
  EXPECT_EQ(names, (std::vector<std::string>{"ALPHA", "BRAVO"}));
}

TEST(PastPerformances, RaceWithEveryHorseScratchedShowsOnlyItsTitle) {
  TextGrid grid;
  EXPECT_EQ(drawnLines(handCard(), "2", grid),
            (std::vector<std::string>{"RACE  2  6.0 F  T", std::string(111, '-')}));
}

// ALPHA's last races: a winner, a fourth without a first call, a race that did not happen
// (no day gap) and a second with a fast figure.
Card cardWithHistory() {
  Card card = handCard();
  CardMatrix& m = card.matrix;
  // clang-format off
  // Past race 1: leads the first call, second at the second call (lengths behind given as a
  // negative), no stretch call, and wins (its own margin shows, not the lengths behind).
  fill(m, 1, {{1437, "21"}, {286, "SAR"}, {296, "5"}, {306, "FT"}, {316, "-1870"}, {326, "D"},
              {576, "1"}, {656, "1.5"}, {666, "0"}, {586, "2"}, {676, "0.5"}, {686, "-0.75"},
              {606, "0"}, {716, "3"}, {726, "3"}, {616, "1"}, {736, "2.25"}, {746, "7"},
              {1447, "88"}, {1457, "90"}, {816, "75"}, {846, "80"}, {506, "120"}, {516, "3.4"},
              {1086, "AL"}, {556, "50000"}, {536, "ALW 50000"}, {256, "20050812"},
              {396, "DREW CLEAR"}, {1636, "95"}, {1036, "110.47"}, {1716, " 3"}});
  // Past race 2: no first or second call, third in the stretch, fourth at the finish.
  fill(m, 1, {{1438, "30"}, {307, "GD"}, {317, "1320"}, {327, "T"}, {577, ""}, {657, "4"},
              {587, "-1"}, {677, "4"}, {607, "3"}, {727, "1.5"}, {617, "4"}, {737, "9"},
              {747, "3.25"}, {847, "100"}, {257, "200508"}});
  // Past race 3 did not happen; past race 4 did.
  fill(m, 1, {{1439, "0"}, {288, "AQU"}});
  fill(m, 1, {{1440, "14"}, {309, "SY"}, {319, "1760"}, {329, "D"}, {619, "2"}, {739, "0.5"},
              {749, "1.25"}, {849, "130"}, {259, "20050601"}, {1639, "88"}, {1039, "98.2"},
              {1719, " 1"}});
  // Best figures and the strike rating.
  fill(m, 1, {{1525, "45"}, {1481, "95"}, {1527, "120"}, {1482, "90"}, {1694, " 92"},
              {1695, "W  12"}, {1696, "Q"}});
  // clang-format on
  return card;
}

TEST(PastPerformances, PastRaceLines) {
  TextGrid grid;
  const std::vector<std::string> lines = drawnLines(cardWithHistory(), "1", grid);
  // clang-format off
  const std::vector<std::string> expected = {
      placed({{1, " 21"}, {6, "SAR"}, {10, " 5"}, {15, "FT"}, {18, "  8.5"}, {26, "D"},
              {30, " 1"}, {33, " 1.50"}, {40, " 2"}, {43, " 0.75"}, {60, " 1"}, {63, " 2.25"},
              {71, " 88"}, {76, " 90"}, {81, " 75"}, {86, " 80"}, {91, "120"}, {96, " 3.4"},
              {104, "AL"}, {107, "  50000"}, {117, "ALW 50000"}, {144, "08-12-05"},
              {154, "DREW CLEAR"}}),
      placed({{1, " 30"}, {10, " 0"}, {15, "GD"}, {18, "  6.0"}, {26, "T"}, {50, " 3"},
              {53, " 1.50"}, {60, " 4"}, {63, " 3.25"}, {71, "  0"}, {76, "  0"}, {81, "  0"},
              {86, "100"}, {91, "  0"}, {96, " 0.0"}, {107, "      0"}, {144, "08--05"}}),
      placed({{1, " 14"}, {10, " 0"}, {15, "SY"}, {18, "  8.0"}, {26, "D"}, {60, " 2"},
              {63, " 1.25"}, {71, "  0"}, {76, "  0"}, {81, "  0"}, {86, "130"}, {91, "  0"},
              {96, " 0.0"}, {107, "      0"}, {144, "06-01-05"}}),
  };
  // clang-format on
  EXPECT_EQ(section(lines, "DAY  "), expected);
}

TEST(PastPerformances, BestFiguresSpeedChartAndStrikeRating) {
  TextGrid grid;
  const std::vector<std::string> lines = drawnLines(cardWithHistory(), "1", grid);
  // clang-format off
  const std::vector<std::string> expected = {
      placed({{1, "08-12-05"}, {11, " 21"}, {15, "  8.5"}, {22, "D"}, {25, "FT"},
              {30, " 1~ 2.25"}, {58, "---------> 80"}, {80, " 95"}, {85, "110.5"}, {92, " 3"}}),
      // The chart's margin is the leader's, whatever the position.
      placed({{1, "08--05"}, {11, " 30"}, {15, "  6.0"}, {22, "T"}, {25, "GD"}, {30, " 4~ 9.00"},
              {63, "--------->100"}, {80, "  0"}, {85, "  0.0"}}),
      // 130 / 4 + 38 is 70.5, shown by "###" as 70; the long arrow pushes the par figure down.
      placed({{1, "06-01-05"}, {11, " 14"}, {15, "  8.0"}, {22, "D"}, {25, "SY"},
              {30, " 2~ 0.50"}, {70, "--------->130"}}),
      placed({{80, " 88"}, {85, " 98.2"}, {92, " 1"}}),
  };
  // clang-format on
  const std::vector<std::string> chart = section(lines, "DAYS SINCE 1st BEST=");
  EXPECT_EQ(chart, expected);
  auto best = std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
    return l.starts_with("DAYS SINCE 1st BEST=");
  });
  ASSERT_NE(best, lines.end());
  // clang-format off
  EXPECT_EQ(*best, placed({{1, "DAYS SINCE 1st BEST=   45"}, {31, "1st BEST=  95"},
                           {50, "DAYS SINCE 2nd BEST=  120"}, {81, "2nd BEST=  90"},
                           {100, "DAYS SINCE 3rd BEST=    0"}, {131, "3rd BEST=   0"}}));
  // clang-format on
  auto rating = std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
    return l.starts_with("QUENTAR STRIKE RATING");
  });
  ASSERT_NE(rating, lines.end());
  EXPECT_EQ(*rating, "QUENTAR STRIKE RATING REGARDLESS OF QUALIFICATION->  92  W  12");
  EXPECT_EQ(*std::next(rating), "QUENTAR STRIKE QUALIFIED RATING-------------------> Q");
  EXPECT_EQ(*std::prev(rating), "");
}

TEST(PastPerformances, SpeedChartArrowColumn) {
  struct Row {
    long double speed;
    int column;
  };
  const Row rows[] = {
      {80, 58},    {100, 63}, {0, 38}, {130, 70},  // 70.5 shown as 70
      {126, 70},                                   // 69.5 shown as 70
      {81, 58},                                    // 58.25
      {-160, 0},  // a column below 1 starts a new line at the margin
      {1e9L, 250},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(speedChartColumn(r.speed), r.column) << static_cast<double>(r.speed);
  }
}

TEST(PastPerformances, WorkoutLines) {
  Card card = handCard();
  // clang-format off
  fill(card.matrix, 1, {{102, "20050801"}, {126, " SAR "}, {174, "TR"}, {114, "-47.2"},
                        {138, "880"}, {150, "FT"}, {162, "H"}, {1608, "11"}, {186, "35"},
                        {198, "2"}, {1624, "7"}, {1646, " 2"}, {1658, " 1"}, {1670, " 3"},
                        {1682, " 13"}});
  // Workout 2: nobody worked that day, so it is not shown.
  fill(card.matrix, 1, {{103, "20050725"}, {139, "999"}, {187, "0"}});
  fill(card.matrix, 1, {{104, "20050720"}, {128, "BEL"}, {116, "36.4"}, {140, "770"},
                        {188, "12"}, {200, "5"}});
  fill(card.matrix, 1, {{105, "20050710"}, {117, "60"}, {141, "-1320"}, {189, "1"}});
  // clang-format on
  TextGrid grid;
  const std::vector<std::string> lines = drawnLines(card, "1", grid);
  // clang-format off
  const std::vector<std::string> expected = {
      placed({{1, "08-01-05"}, {13, "SAR TR"}, {19, " -47.2"}, {28, " 4"}, {36, "FT"}, {42, "H"},
              {47, " 11"}, {52, " 35"}, {57, "  2"}, {62, "  7"}, {69, " 2"}, {74, " 1"},
              {78, " 3"}, {83, " 13"}}),
      placed({{1, "07-20-05"}, {13, "BEL"}, {19, "  36.4"}, {28, " 3.5"}, {47, "  0"},
              {52, " 12"}, {57, "  5"}, {62, "  0"}}),
      placed({{1, "07-10-05"}, {19, "  60.0"}, {28, " 6"}, {47, "  0"}, {52, "  1"}, {57, "  0"},
              {62, "  0"}}),
  };
  // clang-format on
  EXPECT_EQ(section(lines, "  DATE"), expected);
}

}  // namespace
}  // namespace kestravo
