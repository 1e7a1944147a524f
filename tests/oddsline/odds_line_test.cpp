#include "oddsline/odds_line.h"

#include <gtest/gtest.h>

#include "card/columns.h"
#include "oddsline/columns.h"

namespace kestravo {
namespace {

TEST(OddsLine, LadderAtEveryRungBoundary) {
  struct Row {
    int points;
    const char* price;
  };
  const Row rows[] = {
      {50, "1.4-1"}, {45, "1.4-1"}, {44, "1.6-1"}, {42, "1.6-1"}, {41, "1.8-1"}, {39, "1.8-1"},
      {38, "2-1"},   {34, "2-1"},   {33, "2.5-1"}, {30, "2.5-1"}, {29, "3-1"},   {27, "3-1"},
      {26, "3.5-1"}, {24, "3.5-1"}, {23, "4-1"},   {22, "4-1"},   {21, "4.5-1"}, {20, "4.5-1"},
      {19, "5-1"},   {18, "5-1"},   {17, "6-1"},   {16, "7-1"},   {15, "7-1"},   {14, "8-1"},
      {13, "8-1"},   {12, "9-1"},   {11, "9-1"},   {10, "10-1"},  {9, "12-1"},   {8, "13-1"},
      {7, "15-1"},   {6, "18-1"},   {5, "22-1"},   {4, "27-1"},   {3, "37-1"},   {2, "56-1"},
      {1, "100-1"},  {0, "100-1"},  {51, "100-1"}, {-3, "100-1"},
  };
  for (const Row& r : rows) EXPECT_EQ(ladderPrice(r.points), r.price) << r.points;
}

TEST(OddsLine, PointsForTheFirstFiveRanks) {
  EXPECT_EQ(pointsForRank(1), "10");
  EXPECT_EQ(pointsForRank(2), "6");
  EXPECT_EQ(pointsForRank(3), "4");
  EXPECT_EQ(pointsForRank(4), "2");
  EXPECT_EQ(pointsForRank(5), "1");
  EXPECT_EQ(pointsForRank(6), "0");
  EXPECT_EQ(pointsForRank(0), "0");
}

TEST(OddsLine, EPLRTakesE1UpTo1650YardsAndE2Beyond) {
  CardMatrix m;
  m.reset(5);
  const char* distances[] = {"", "1650", "1651", "-1650", "0", "1320"};
  for (int row = 1; row <= 5; ++row) {
    m.setText(row, field::kDistance, distances[row]);
    m.setText(row, col::kE1.race(1), "e1");
    m.setText(row, col::kE2.race(1), "e2");
  }
  m.setText(5, col::kScratchMark, "S");
  for (int row = 1; row <= 5; ++row) selectEPLR(m, row);
  EXPECT_EQ(m.text(1, col::kEPLR), "e1");
  EXPECT_EQ(m.text(2, col::kEPLR), "e2");
  EXPECT_EQ(m.text(3, col::kEPLR), "e1");
  EXPECT_EQ(m.text(4, col::kEPLR), "0");
  EXPECT_EQ(m.text(5, col::kEPLR), "0");
}

TEST(OddsLine, OnlyTheFiveBestPointsRanksArePriced) {
  CardMatrix m;
  m.reset(4);
  const char* totals[] = {"", "  30", "  30", "   1", "  18"};
  const char* ranks[] = {"", " 1", " 6", " 5", ""};
  for (int row = 1; row <= 4; ++row) {
    m.setText(row, col::kTotalPoints, totals[row]);
    m.setText(row, col::kPointsRank, ranks[row]);
  }
  priceOddsLine(m, {1, 2, 3, 4});
  EXPECT_EQ(m.text(1, col::kKOL), "2.5-1");
  EXPECT_EQ(m.text(2, col::kKOL), "100-1");
  EXPECT_EQ(m.text(3, col::kKOL), "100-1");
  EXPECT_EQ(m.text(4, col::kKOL), "100-1");
}

}  // namespace
}  // namespace kestravo
