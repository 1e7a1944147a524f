#include "app/horse_records_report.h"

#include <gtest/gtest.h>

#include "reports/text_grid.h"
#include "support/report_text.h"

namespace kestravo {
namespace {

using testing::expectWindow;
using testing::fill;
using testing::linesOf;
using testing::placed;

// Race 1: ALPHA with its records, three more horses and a scratched one; race 2: one horse.
Card recordsCard() {
  Card card;
  card.raceCount = 2;
  card.raceLine = {"", " 1  8.5 F  D", " 2  6.0 F  T"};
  CardMatrix& m = card.matrix;
  m.reset(6);
  // clang-format off
  fill(m, 1, {{3, "1"}, {4, "1"}, {43, "1A"}, {45, "ALPHA"}, {44, "2.5"}, {211, "5"}, {210, "E"},
              {1607, "60"}, {51, "122"}});
  // Lifetime, distance, first year, track (none), second year, dirt, turf, wet track.
  fill(m, 1, {{97, "12"}, {98, "3"}, {99, "2"}, {100, "1"}, {101, "45678"},
              {65, "4"}, {66, "1"}, {67, "0"}, {68, "1"}, {69, "12000"},
              {85, "2005"}, {86, "8"}, {87, "1"}, {88, "2"}, {89, "2"}, {90, "1500"},
              {91, "2004"}, {92, "3"}, {93, "2"}, {96, "2000"},
              {1332, "6"}, {1333, "2"}, {1334, "1"}, {1335, "1"}, {1336, "30000"},
              {75, "3"}, {76, "1"},
              {80, "2"}, {81, "2"}, {84, "1234567"}});
  // clang-format on
  fill(m, 2, {{3, "1"}, {4, "2"}, {45, "BRAVO"}});
  fill(m, 3, {{3, "1"}, {4, "3"}, {45, "GONE"}, {1436, "S"}});
  fill(m, 4, {{3, "1"}, {4, "4"}, {45, "CHARLIE"}});
  fill(m, 5, {{3, "1"}, {4, "5"}, {45, "DELTA"}});
  fill(m, 6, {{3, "2"}, {4, "1"}, {45, "ELSEWHERE"}});
  return card;
}

TEST(HorseRecords, NineLinesPerHorse) {
  TextGrid grid;
  drawHorseRecords(recordsCard(), " 1", "KSV1208.DRF", grid);
  const std::vector<std::string> lines = linesOf(grid.text());
  ASSERT_EQ(lines.size(), 2u + 4 * 9);
  // clang-format off
  const std::vector<std::string> alpha = {
      "PP  PR        HORSE                         ML        Q      STYLE    ITM%         WT",
      placed({{1, " 1"}, {5, "1A"}, {15, "ALPHA"}, {43, " 2.5"}, {55, "5"}, {64, "E"},
              {71, " 60%"}, {83, "122"}}),
      "             WIN%  STR     WIN     PLC     SHW     EARNINGS$                                "
      " WIN%  STR     WIN     PLC     SHW     EARNING$",
      placed({{1, "LIFETIME"}, {15, "25"}, {20, " 12"}, {28, "  3"}, {36, "  2"}, {44, "  1"},
              {51, "    45,678"}, {80, "DISTANCE"}, {95, "25"}, {100, "  4"}, {108, "  1"},
              {116, "  0"}, {124, "  1"}, {130, "    12,000"}}),
      // 1 win of 8 is 12.5, shown by "##" as 12; a record without starts shows 0.
      placed({{1, "2005"}, {15, "12"}, {20, "  8"}, {28, "  1"}, {36, "  2"}, {44, "  2"},
              {51, "     1,500"}, {80, "TRACK"}, {95, " 0"}, {100, "  0"}, {108, "  0"},
              {116, "  0"}, {124, "  0"}, {130, "         0"}}),
      placed({{1, "2004"}, {15, "67"}, {20, "  3"}, {28, "  2"}, {36, "  0"}, {44, "  0"},
              {51, "     2,000"}, {80, "DIRT"}, {95, "33"}, {100, "  6"}, {108, "  2"},
              {116, "  1"}, {124, "  1"}, {130, "    30,000"}}),
      placed({{1, "ALLWEATHER"}, {15, " 0"}, {20, "  0"}, {28, "  0"}, {36, "  0"}, {44, "  0"},
              {51, "         0"}, {80, "TURF"}, {95, "33"}, {100, "  3"}, {108, "  1"},
              {116, "  0"}, {124, "  0"}, {130, "         0"}}),
      // Every win of the wet-track record: the percentage widens its field.
      placed({{1, "WET TRACK"}, {15, "100"}, {20, "  2"}, {28, "  2"}, {36, "  0"}, {44, "  0"},
              {51, " 1,234,567"}}),
      "",
  };
  // clang-format on
  EXPECT_EQ(lines[0], "RACE  1  8.5 F  D");
  EXPECT_EQ(lines[1], std::string(151, '-'));
  for (std::size_t i = 0; i < alpha.size(); ++i) EXPECT_EQ(lines[2 + i], alpha[i]) << i;
  std::vector<std::string> names;
  for (std::size_t i = 3; i < lines.size(); i += 9) {
    names.push_back(lines[i].substr(14, lines[i].find(' ', 14) - 14));
  }
  EXPECT_EQ(names, (std::vector<std::string>{"ALPHA", "BRAVO", "CHARLIE", "DELTA"}));
}

TEST(HorseRecords, WindowAndRaceZero) {
  const Card card = recordsCard();
  TextGrid grid;
  drawHorseRecords(card, "0", "KSV1208.DRF", grid);
  drawHorseRecords(card, "", "KSV1208.DRF", grid);
  EXPECT_TRUE(grid.documents().empty());

  drawHorseRecords(card, "2", "KSV1208.DRF", grid);
  ASSERT_EQ(grid.documents().size(), 1u);
  const TextGrid::Document& d = grid.documents()[0];
  expectWindow(d, "KSV1208.DRF" + std::string(77, ' ') + "HORSE RECORDS", {10, 10, 69, 250}, 2000,
               20000);
  ASSERT_EQ(d.fonts.size(), 1u);
  EXPECT_EQ(d.fonts[0].font.points, 10);
  EXPECT_EQ(d.fonts[0].font.face, "Courier New");
  ASSERT_EQ(d.colours.size(), 1u);
  EXPECT_EQ(d.colours[0].text, ReportColour::rgb(0, 0, 0));
  EXPECT_EQ(d.keyWaits, 0);
  EXPECT_EQ(linesOf(grid.text()).size(), 2u + 9);
}

}  // namespace
}  // namespace kestravo
