#include "app/load_card.h"

#include <gtest/gtest.h>

#include "app/list_rows.h"
#include "app/scratch_window.h"
#include "card/columns.h"
#include "oddsline/columns.h"
#include "support/card_builder.h"

namespace kestravo {
namespace {

using testing::CardBuilder;
using testing::TempFolder;

struct Runner {
  const char* name;
  const char* speed;
  const char* prime;
  const char* pace1;
  const char* late;
  const char* classFigure;
};

// A six-furlong race whose ratings were worked out by hand:
//            SRLR  PRIME  EPLR  LPLR  ACL3   points              total  rank  KOL
//   ALPHA     90    100    95    80    80    10 10  6  4  4       34     1    2-1
//   BRAVO     90     95    90    85    85    10  6  4  6  6       32     2    2.5-1
//   CHARLIE   85      0   100    70    70     4  0 10  2  2       18     4    5-1
//   DELTA     70     90    80    90    90     2  4  2 10 10       28     3    3-1
//   ECHO      99    120   110    99    99    (scratched after the first load)
std::string handWorkedRace() {
  const Runner runners[] = {
      {"ALPHA", "90", "100", "95", "80", "80"}, {"BRAVO", "90", "95", "90", "85", "85"},
      {"CHARLIE", "85", "", "100", "70", "70"}, {"DELTA", "70", "90", "80", "90", "90"},
      {"ECHO", "99", "120", "110", "99", "99"},
  };
  CardBuilder b;
  int post = 1;
  for (const Runner& r : runners) {
    b.entry(1, post++, r.name)
        .set(field::kDistance, "1320")
        .set(field::kPastDistance.race(1), "1320")
        .set(field::kPastSpeed.race(1), r.speed)
        .set(field::kPrime, r.prime)
        .set(field::kPastPace1.race(1), r.pace1)
        .set(field::kPastLate.race(1), r.late);
    for (int j = 1; j <= 3; ++j) b.set(field::kPastClassFigure.race(j), r.classFigure);
  }
  return b.text();
}

std::vector<std::string> column(const Card& card, int c) {
  std::vector<std::string> out;
  for (int row = 1; row <= card.entryCount(); ++row) out.emplace_back(card.matrix.text(row, c));
  return out;
}

using Texts = std::vector<std::string>;

TEST(LoadCard, AWholeRaceFromItsFieldsToItsPrices) {
  TempFolder dir;
  Card card;
  card.dataFilePath = dir.write("HAND.DRF", handWorkedRace());
  ASSERT_TRUE(loadCard(card).dataFileRead);

  // While ECHO runs it tops all five categories (50 points); the others total 20, 20, 10
  // and 16, ALPHA and BRAVO sharing points rank 2.
  EXPECT_EQ(column(card, col::kTotalPoints), (Texts{"  20", "  20", "  10", "  16", "  50"}));
  EXPECT_EQ(column(card, col::kKOL), (Texts{"4.5-1", "4.5-1", "10-1", "7-1", "1.4-1"}));

  ScratchWindow window(card);
  ASSERT_EQ(window.doubleClick(4), "");
  loadCard(card);
  EXPECT_EQ(card.raceStarters, (RaceStarters{0, 4}));
  EXPECT_EQ(column(card, col::kSRLRRank), (Texts{" 1", " 1", " 3", " 4", ""}));
  EXPECT_EQ(column(card, col::kPrimeRank), (Texts{" 1", " 2", "", " 3", ""}));
  EXPECT_EQ(column(card, col::kEPLRRank), (Texts{" 2", " 3", " 1", " 4", ""}));
  EXPECT_EQ(column(card, col::kLPLRRank), (Texts{" 3", " 2", " 4", " 1", ""}));
  EXPECT_EQ(column(card, col::kACL3Rank), (Texts{" 3", " 2", " 4", " 1", ""}));
  EXPECT_EQ(column(card, col::kPrimePoints), (Texts{"10", "6", "0", "4", "0"}));
  EXPECT_EQ(column(card, col::kTotalPoints), (Texts{"  34", "  32", "  18", "  28", "0"}));
  EXPECT_EQ(column(card, col::kPointsRank), (Texts{" 1", " 2", " 4", " 3", ""}));
  EXPECT_EQ(column(card, col::kKOL), (Texts{"2-1", "2.5-1", "5-1", "3-1", "100-1"}));

  // The race view leaves the scratched horse out and shows the new prices.
  const std::vector<int> rows = raceViewRows(card.matrix, " 1");
  ASSERT_EQ(rows, (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(entryRowCells(card.matrix, 3),
            (TextRow{" 1", " 3", "", "CHARLIE", " 85", " 70", "  0", "100", " 70", "5-1"}));
}

TEST(LoadCard, ARaceWhoseEntriesAreAllScratchedPricesEveryHorseLong) {
  TempFolder dir;
  const std::string path = dir.write("ALL.DRF", handWorkedRace());
  std::string scratches;
  for (int post = 1; post <= 5; ++post) {
    scratches += "\"\",\"\",\"1\",\"" + std::to_string(post) + "\",\"\",\"\",\"S\"\r\n";
  }
  dir.write("ALL.tch", scratches);
  Card card;
  card.dataFilePath = path;
  loadCard(card);
  EXPECT_EQ(card.raceStarters, (RaceStarters{0, 0}));
  EXPECT_EQ(column(card, col::kTotalPoints), Texts(5, "0"));
  EXPECT_EQ(column(card, col::kKOL), Texts(5, "100-1"));
  EXPECT_EQ(column(card, col::kSRLRRank), Texts(5, ""));
}

TEST(LoadCard, ALoneRunnerCollectsTenPerCategoryItRates) {
  TempFolder dir;
  Card card;
  card.dataFilePath =
      dir.write("ONE.DRF", CardBuilder().entry(1, 1).set(field::kPastSpeed.race(1), "60").text());
  loadCard(card);
  EXPECT_EQ(card.matrix.text(1, col::kTotalPoints), "  10");
  EXPECT_EQ(card.matrix.text(1, col::kKOL), "10-1");
}

TEST(LoadCard, EntriesInNoRaceGetFiguresButNoRanks) {
  TempFolder dir;
  Card card;
  card.dataFilePath = dir.write("NONE.DRF", CardBuilder()
                                                .entry(0, 1)
                                                .set(field::kPastSpeed.race(1), "60")
                                                .set(field::kRaceDate, "20261208")
                                                .text());
  loadCard(card);
  EXPECT_EQ(card.raceCount, 0);
  EXPECT_EQ(card.matrix.text(1, col::kRaceDayNumber), " 8379");
  EXPECT_EQ(card.matrix.text(1, col::kSRLRRank), "");
  EXPECT_EQ(card.matrix.text(1, col::kKOL), "100-1");
}

TEST(LoadCard, LoadingTwiceGivesTheSameCard) {
  TempFolder dir;
  Card first, second;
  first.dataFilePath = second.dataFilePath = dir.write("TWICE.DRF", handWorkedRace());
  loadCard(first);
  loadCard(second);
  loadCard(second);
  for (int row = 1; row <= first.entryCount(); ++row) {
    for (int c = 1; c < kColumnCount; ++c) {
      ASSERT_EQ(first.matrix.text(row, c), second.matrix.text(row, c)) << row << "," << c;
    }
  }
}

}  // namespace
}  // namespace kestravo
