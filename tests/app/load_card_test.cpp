#include "app/load_card.h"

#include <gtest/gtest.h>

#include "app/list_rows.h"
#include "app/scratch_window.h"
#include "card/columns.h"
#include "figures/columns.h"
#include "hand_worked_race.h"
#include "oddsline/columns.h"
#include "support/card_builder.h"

namespace kestravo {
namespace {

using testing::CardBuilder;
using testing::handWorkedRace;
using testing::TempFolder;

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

namespace kestravo {
namespace {

// Speed figures of 1e4931 are shown whole, some 4,900 digits each; row after row of them
// would outgrow any memory, so past the limit on stored figures the card is refused instead
// of being stored over itself.
TEST(LoadCard, FiguresTooLargeToStoreRefuseTheCard) {
  testing::TempFolder dir;
  testing::CardBuilder b;
  for (int post = 1; post <= 4; ++post) {
    b.entry(1, post);
    for (int j = 1; j <= 3; ++j) b.set(field::kPastSpeed.race(j), "1e4931");
  }
  Card card;
  card.dataFilePath = dir.write("HUGE.DRF", b.text());
  ASSERT_TRUE(openCard(card).dataFileRead);  // a few such rows are stored and shown
  EXPECT_EQ(card.matrix.text(1, col::kBEST1).size(), 4932u);

  card.matrix.limitStoredText(64 * 1024);
  const LoadProblems refused = openCard(card);
  EXPECT_FALSE(refused.dataFileRead);
  EXPECT_EQ(refused.messages,
            std::vector<std::string>{"THE DATA FILE HOLDS FIGURES TOO LARGE TO SHOW AND WAS NOT "
                                     "LOADED: " +
                                     card.dataFilePath});
  EXPECT_EQ(card.entryCount(), 0);
  EXPECT_EQ(card.raceCount, 0);
  EXPECT_EQ(card.raceLine.size(), 1u);

  // The same limit takes a card of sound figures.
  card.dataFilePath = dir.write("SOUND.DRF", testing::handWorkedRace());
  EXPECT_TRUE(openCard(card).dataFileRead);
}

}  // namespace
}  // namespace kestravo
