#include "reports/race_lines.h"

#include <gtest/gtest.h>

#include "card/columns.h"
#include "card/data_file.h"
#include "card/record_reader.h"
#include "support/card_builder.h"

namespace kestravo {
namespace {

using testing::CardBuilder;
using testing::TempFolder;

TEST(RaceLines, RestrictionLetters) {
  struct Row {
    const char* code;
    const char* text;
  };
  const Row rows[] = {
      {"AON", "2 YO  ONLY  NO RSTRCTN"},
      {"BUM", "3 YO  & UP  M & F ONLY"},
      {"COC", "4 YO  ONLY  C & G ONLY"},
      {"DUF", "5 YO  & UP  F ONLY"},
      {"EON", "3 & 4 YO  ONLY  NO RSTRCTN"},
      {"FUN", "4 & 5 YO  & UP  NO RSTRCTN"},
      {"GON", "3, 4 & 5 YO  ONLY  NO RSTRCTN"},
      {"HUN", "ALL AGES  & UP  NO RSTRCTN"},
      {"AOF", "2 YO  ONLY  F ONLY"},
      // Unknown letters are marked, and the other letters are still read.
      {"ZUF", "?       ? & UP  F ONLY"},
      {"BXF", "3 YO ?   ? F ONLY"},
      {"BOx", "3 YO  ONLY ?         ?"},
      {"bon", "?       ??   ??         ?"},
      {"", "?       ??   ??         ?"},
      {"B", "3 YO ?   ??         ?"},
  };
  for (const Row& r : rows) EXPECT_EQ(restrictionText(r.code), r.text) << r.code;
}

CardMatrix oneRecord(CardBuilder& b) {
  CardMatrix m;
  m.load(readRecords(b.text(), kFieldCount, 10));
  return m;
}

TEST(RaceLines, ConditionsLineLayout) {
  CardBuilder b;
  b.entry(7, 1)
      .set(6, "1760")
      .set(7, "D")
      .set(9, "C")
      .set(10, "BUM")
      .set(11, "CLM 25000")
      .set(12, "31000");
  EXPECT_EQ(raceConditionsLine(oneRecord(b), 1),
            " 7  8.0 F  D   $  31000  C   CLM 25000     3 YO  & UP  M & F ONLY");
}

TEST(RaceLines, CutsLongTextsAndMarksAllWeather) {
  CardBuilder b;
  b.entry(12, 1)
      .set(6, "-1320")
      .set(7, "TURF")
      .set(25, "A")
      .set(9, "MSW")
      .set(11, "MAIDEN SPECIAL WEIGHT")
      .set(12, "1234567")
      .set(10, "HUN");
  EXPECT_EQ(raceConditionsLine(oneRecord(b), 1),
            "12  6.0 F  A   $1234567  MS  MAIDEN SPECI  ALL AGES  & UP  NO RSTRCTN");
  CardBuilder c;
  c.entry(3, 1).set(7, "TURF").set(25, "a");
  EXPECT_EQ(raceConditionsLine(oneRecord(c), 1).substr(0, 13), " 3  0.0 F  TU");
}

TEST(RaceLines, EachRaceTakesItsPostPositionOneRecord) {
  TempFolder dir;
  Card card;
  card.dataFilePath = dir.write("L.DRF", CardBuilder()
                                             .entry(1, 2)
                                             .set(11, "SECOND")
                                             .entry(1, 1)
                                             .set(11, "FIRST")
                                             .entry(2, 3)
                                             .set(11, "NOPPONE")
                                             .entry(2, 4)
                                             .set(11, "LATER")
                                             .entry(4, 1)
                                             .set(11, "ONE")
                                             .set(4, " 1")
                                             .entry(4, 1)
                                             .set(11, "AGAIN")
                                             .text());
  readDataFile(card);
  buildRaceLines(card);
  ASSERT_EQ(card.raceLine.size(), 5u);
  EXPECT_NE(card.raceLine[1].find("FIRST"), std::string::npos);
  // No post position 1: the race's first record in file order.
  EXPECT_NE(card.raceLine[2].find("NOPPONE"), std::string::npos);
  EXPECT_EQ(card.raceLine[3], "");
  // A later post-position-1 record replaces an earlier one.
  EXPECT_NE(card.raceLine[4].find("AGAIN"), std::string::npos);
}

TEST(RaceLines, ACardWithNoEntriesLeavesTheLinesEmpty) {
  Card card;
  card.raceCount = 2;
  card.dataFilePath = "/nonexistent/KSV1208.DRF";
  buildRaceLines(card);
  EXPECT_EQ(card.raceLine, (std::vector<std::string>{"", "", ""}));
}

}  // namespace
}  // namespace kestravo
