#include "oddsline/odds_line.h"

#include <array>
#include <cmath>

#include "card/columns.h"
#include "oddsline/columns.h"
#include "oddsline/ranking.h"

namespace kestravo {

namespace {

constexpr long double kSprintYards = 1650;
constexpr long double kPricedRanks = 5;
constexpr std::string_view kLongShot = "100-1";

struct Category {
  int value;
  int rank;
  int points;
};

// In the order they are ranked.
constexpr std::array<Category, 5> kCategories = {{
    {field::kPastSpeed.race(1), col::kSRLRRank, col::kSRLRPoints},
    {field::kPrime, col::kPrimeRank, col::kPrimePoints},
    {col::kEPLR, col::kEPLRRank, col::kEPLRPoints},
    {field::kPastLate.race(1), col::kLPLRRank, col::kLPLRPoints},
    {col::kACL3, col::kACL3Rank, col::kACL3Points},
}};

struct Rung {
  int from;
  int to;
  std::string_view price;
};

// Tested from the top. The 5-1 and 6-1 rungs overlap at 18 points; the higher rung wins,
// so 6-1 is given only for 17.
constexpr std::array<Rung, 24> kLadder = {{
    {45, 50, "1.4-1"}, {42, 44, "1.6-1"}, {39, 41, "1.8-1"}, {34, 38, "2-1"},   {30, 33, "2.5-1"},
    {27, 29, "3-1"},   {24, 26, "3.5-1"}, {22, 23, "4-1"},   {20, 21, "4.5-1"}, {18, 19, "5-1"},
    {17, 18, "6-1"},   {15, 16, "7-1"},   {13, 14, "8-1"},   {11, 12, "9-1"},   {10, 10, "10-1"},
    {9, 9, "12-1"},    {8, 8, "13-1"},    {7, 7, "15-1"},    {6, 6, "18-1"},    {5, 5, "22-1"},
    {4, 4, "27-1"},    {3, 3, "37-1"},    {2, 2, "56-1"},    {1, 1, "100-1"},
}};

}  // namespace

void selectEPLR(CardMatrix& m, int row) {
  const long double yards = std::fabs(m.value(row, field::kDistance));
  if (m.scratched(row) || !(yards > 0)) {
    m.setText(row, col::kEPLR, "0");
  } else if (yards <= kSprintYards) {
    m.setText(row, col::kEPLR, m.text(row, col::kE1.race(1)));
  } else {
    m.setText(row, col::kEPLR, m.text(row, col::kE2.race(1)));
  }
}

void rankCategories(CardMatrix& m, const RaceRows& races) {
  for (const Category& c : kCategories) rankWithinRace(m, races, c.value, c.rank);
}

std::string_view pointsForRank(long double rank) {
  if (rank == 1) return "10";
  if (rank == 2) return "6";
  if (rank == 3) return "4";
  if (rank == 4) return "2";
  if (rank == 5) return "1";
  return "0";
}

void awardPoints(CardMatrix& m, const std::vector<int>& rows) {
  for (int row : rows) {
    const bool scratched = m.scratched(row);
    long double total = 0;
    for (const Category& c : kCategories) {
      const std::string_view points = scratched ? "0" : pointsForRank(m.value(row, c.rank));
      m.setText(row, c.points, points);
      total += m.value(row, c.points);
    }
    if (scratched) {
      m.setText(row, col::kTotalPoints, "0");
    } else {
      m.setMasked(row, col::kTotalPoints, "####", total);
    }
  }
}

void rankTotalPoints(CardMatrix& m, const RaceRows& races) {
  rankWithinRace(m, races, col::kTotalPoints, col::kPointsRank);
}

std::string_view ladderPrice(long double points) {
  for (const Rung& r : kLadder) {
    if (points >= r.from && points <= r.to) return r.price;
  }
  return kLongShot;
}

void priceOddsLine(CardMatrix& m, const std::vector<int>& rows) {
  for (int row : rows) {
    const long double rank = m.value(row, col::kPointsRank);
    if (m.scratched(row) || rank < 1 || rank > kPricedRanks) {
      m.setText(row, col::kKOL, kLongShot);
    } else {
      m.setText(row, col::kKOL, ladderPrice(m.value(row, col::kTotalPoints)));
    }
  }
}

}  // namespace kestravo
