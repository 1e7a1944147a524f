#include "app/trainer_reports.h"

#include <gtest/gtest.h>

#include "card/fields.h"
#include "reports/text_grid.h"
#include "support/report_text.h"

namespace kestravo {
namespace {

using testing::expectWindow;
using testing::fill;
using testing::linesOf;
using testing::placed;

TEST(UncoupledTrainers, ListsMarkedHorsesOfTheWholeCard) {
  Card card;
  card.raceCount = 12;
  card.matrix.reset(4);
  fill(card.matrix, 1, {{3, "1"}, {43, "1"}, {45, "ALPHA"}, {28, "T JONES"}, {1523, "UT "}});
  fill(card.matrix, 2,
       {{3, "1"}, {43, "1A"}, {45, "ALPHA TWO"}, {28, "T JONES"}, {1523, "UT "}, {1436, "S"}});
  fill(card.matrix, 3, {{3, "1"}, {43, "2"}, {45, "BRAVO"}, {28, "T BROWN"}, {1523, "UT"}});
  fill(card.matrix, 4,
       {{3, "12"},
        {43, "7"},
        {45, "CHARLIE HAS A VERY LONG NAME XY"},
        {28, "A LONGWORTH"},
        {1523, "UT "}});
  TextGrid grid;
  drawUncoupledTrainers(card, "KSV1208.DRF", grid);
  EXPECT_EQ(linesOf(grid.text()),
            (std::vector<std::string>{
                "RACE   PRG    HORSE                         TRAINER",
                std::string(81, '-'),
                placed({{2, " 1"}, {9, "1"}, {15, "ALPHA"}, {45, "T JONES"}}),
                placed({{2, "12"}, {9, "7"}, {15, "CHARLIE HAS A VERY LONG NAME XY"}}),
                placed({{45, "A LONGWORTH"}}),
            }));

  ASSERT_EQ(grid.documents().size(), 1u);
  const TextGrid::Document& d = grid.documents()[0];
  expectWindow(d, "KSV1208.DRF" + std::string(51, ' ') + "UNCOUPLED TRAINERS", {400, 150, 20, 150},
               40, 1000);
  ASSERT_EQ(d.fonts.size(), 1u);
  EXPECT_EQ(d.fonts[0].font.face, "Courier New");
  EXPECT_EQ(d.fonts[0].font.points, 11);
  ASSERT_EQ(d.colours.size(), 1u);
  EXPECT_EQ(d.colours[0].text, ReportColour::rgb(25, 25, 112));
  EXPECT_EQ(d.colours[0].background, ReportColour::face());
  EXPECT_EQ(d.keyWaits, 1);
}

void setCategory(CardMatrix& m, int row, int c, std::string_view name, std::string_view starts,
                 std::string_view win) {
  const KeyStatCategories k = field::kKeyStats;
  fill(m, row, {{k.name(c), name}, {k.starts(c), starts}, {k.winPercent(c), win}});
}

// Race 1: ALPHA's trainer has three telling categories, BRAVO's none, CHARLIE's trainer has a
// long name; a scratched horse of race 1 and a horse of race 2 have telling categories too.
Card keyTrainerCard() {
  Card card;
  card.raceCount = 2;
  card.raceLine = {"", " 1  8.5 F  D", " 2  6.0 F  T"};
  CardMatrix& m = card.matrix;
  m.reset(5);
  fill(m, 1, {{3, "1"}, {4, "1"}, {43, "1"}, {45, "ALPHA"}, {44, "2.5"}, {28, "T JONES"}});
  setCategory(m, 1, 0, "Turf", "10", "20");
  setCategory(m, 1, 1, "Sprints", "20", "5");
  setCategory(m, 1, 2, "Routes", "8", "5.5");
  setCategory(m, 1, 3, "Claimers", "12", "19");
  setCategory(m, 1, 4, "Maidens", "0", "30");
  setCategory(m, 1, 5, "Layoff", "3", "0");
  fill(m, 2, {{3, "1"}, {4, "2"}, {43, "2"}, {45, "BRAVO"}, {28, "T MIDDLE"}});
  for (int c = 0; c < KeyStatCategories::kCount; ++c) setCategory(m, 2, c, "Middling", "9", "12");
  fill(m, 3,
       {{3, "1"},
        {4, "3"},
        {43, "3"},
        {45, "CHARLIE"},
        {44, "8"},
        {28, "A TRAINER WITH A VERY LONG NAME THAT RUNS ON"}});
  setCategory(m, 3, 0, "1st after claim", "4", "25");
  fill(m, 4, {{3, "1"}, {4, "4"}, {45, "GONE"}, {1436, "S"}});
  setCategory(m, 4, 0, "Turf", "10", "40");
  fill(m, 5, {{3, "2"}, {4, "1"}, {45, "ELSEWHERE"}});
  setCategory(m, 5, 0, "Turf", "10", "40");
  return card;
}

TEST(KeyTrainerStats, OneLinePerTellingCategory) {
  TextGrid grid;
  drawKeyTrainerStats(keyTrainerCard(), " 1", "KSV1208.DRF", grid);
  const auto alpha = [](int at, std::string_view name, std::string_view win,
                        std::string_view starts) {
    // clang-format off
    return placed({{1, " 1"}, {5, "1"}, {15, "ALPHA"}, {43, " 2.5"}, {55, "T JONES"}, {at, name},
                   {115, win}, {124, starts}});
    // clang-format on
  };
  EXPECT_EQ(linesOf(grid.text()),
            (std::vector<std::string>{
                "RACE  1  8.5 F  D",
                std::string(84, '-'),
                "PP  PR        HORSE                         ML        TRAINERB                    "
                "            STAT               WIN%      STRS",
                alpha(95, "Turf", "20", "  10"),
                alpha(95, "Sprints", " 5", "  20"),
                alpha(95, "Layoff", " 0", "   3"),
                "",
                // clang-format off
                placed({{1, " 3"}, {5, "3"}, {15, "CHARLIE"}, {43, " 8.0"},
                        {55, "A TRAINER WITH A VERY LONG NAME THAT RUNS ON"}}),
                // clang-format on
                placed({{95, "1st after claim"}, {115, "25"}, {124, "   4"}}),
                "",
            }));
}

TEST(KeyTrainerStats, WindowFontsAndRaceZero) {
  const Card card = keyTrainerCard();
  TextGrid grid;
  drawKeyTrainerStats(card, "0", "KSV1208.DRF", grid);
  drawKeyTrainerStats(card, "-3", "KSV1208.DRF", grid);
  EXPECT_TRUE(grid.documents().empty());

  drawKeyTrainerStats(card, "1", "KSV1208.DRF", grid);
  ASSERT_EQ(grid.documents().size(), 1u);
  const TextGrid::Document& d = grid.documents()[0];
  expectWindow(d, "KSV1208.DRF" + std::string(77, ' ') + "KEY TRAINER STATS", {25, 25, 69, 190},
               2000, 2000);
  EXPECT_EQ(d.fontAt({0, 0}).points, 14);
  EXPECT_EQ(d.fontAt({1, 0}).points, 14);
  EXPECT_EQ(d.fontAt({2, 0}).points, 9);
  EXPECT_EQ(d.fontAt({2, 0}).face, "Courier New");
  EXPECT_EQ(d.coloursAt({0, 0}).text, ReportColour::rgb(0, 0, 0));
  EXPECT_EQ(d.keyWaits, 1);
}

}  // namespace
}  // namespace kestravo
