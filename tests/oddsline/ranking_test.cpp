#include "oddsline/ranking.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <random>
#include <vector>

#include "card/columns.h"
#include "oddsline/columns.h"

namespace kestravo {
namespace {

struct RankCase {
  const char* name;
  std::vector<long double> values;
  std::vector<int> ranks;
  friend void PrintTo(const RankCase& c, std::ostream* os) { *os << c.name; }
};

class RankWithinRace : public ::testing::TestWithParam<RankCase> {};

TEST_P(RankWithinRace, RanksRoundedValuesLargestFirst) {
  EXPECT_EQ(rankValues(GetParam().values), GetParam().ranks);
}

const RankCase kRankCases[] = {
    {"distinct", {70, 90, 80}, {3, 1, 2}},
    {"tieattop", {90, 90, 85}, {1, 1, 3}},
    {"tieatfive", {95, 94, 93, 92, 91, 91, 80}, {1, 2, 3, 4, 5, 5, 7}},
    {"onerunner", {42}, {1}},
    {"zeroandnegativeunranked", {0, -5, 60}, {0, 0, 1}},
    // A slot of 0 or below still takes its place in the list, below every ranked value.
    {"unrankedtakenoplaceabove", {0, 50, 40}, {0, 1, 2}},
    {"roundedsharerank", {88.4L, 88.2L, 87.6L}, {1, 1, 1}},
    {"halvesroundtoeven", {88.5L, 88.0L, 89.5L, 89.0L}, {3, 3, 1, 2}},
    // Positive below a half rounds to 0 but still ranks, at the 0 slots.
    {"tinypositive", {0.4L, 10, 0}, {2, 1, 0}},
    {"hugefiguresstayapart", {1e19L, 2e19L, 1e30L}, {3, 2, 1}},
    {"empty", {}, {}},
};

INSTANTIATE_TEST_SUITE_P(Table, RankWithinRace, ::testing::ValuesIn(kRankCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Small fields are ranked by counting and large ones by sorting: at every size, ties and
// halves included, a rank is one more than the count of rounded values above it.
TEST(RankWithinRace, EveryFieldSizeRanksByTheRoundedValuesAbove) {
  std::mt19937 rng(90);
  for (int starters = 0; starters <= 80; ++starters) {
    std::vector<long double> values;
    // Every third field also holds large figures of one band, with ties: just inside 2^62 in
    // size; past it but whole numbers of a machine word; at 2^63; past it but below 2^64; far
    // past any sound figure. (Figures of 0 and below rank nothing and are never above one.)
    const std::vector<long double> bands[] = {{0x1p62L - 1, 0x1p62L - 2, -(0x1p62L - 1), 1e18L},
                                              {0x1p62L - 0.5L, 0x1p62L, 0x1p62L + 2},
                                              {0x1p63L, 0x1p62L + 2},
                                              {0x1p63L + 4096, 1e19L},
                                              {1e20L, 1e300L, -1e300L}};
    const std::vector<long double>& band = bands[(starters / 3) % std::size(bands)];
    for (int i = 0; i < starters; ++i) {
      if (starters % 3 == 0 && rng() % 3 == 0) {
        values.push_back(band[rng() % band.size()]);
      } else {
        values.push_back(static_cast<long double>(static_cast<int>(rng() % 41) - 8) / 2);
      }
    }
    std::vector<int> expected;
    for (const long double v : values) {
      int above = 0;
      for (const long double w : values) above += std::nearbyint(w) > std::nearbyint(v) ? 1 : 0;
      expected.push_back(v > 0 ? above + 1 : 0);
    }
    EXPECT_EQ(rankValues(values), expected) << starters << " starters";
  }
}

TEST(RankWithinRace, OnlyRunningRowsOfEachRaceTakePart) {
  CardMatrix m;
  m.reset(6);
  const char* values[] = {"", "90", "85", "95", "70", "70", "99"};
  for (int row = 1; row <= 6; ++row) m.setText(row, field::kPrime, values[row]);
  // Row 3 (the 95) is scratched and left out of race 1's list; row 6 runs in race 2.
  const RaceRows races = {{}, {1, 2, 4, 5}, {6}};
  rankWithinRace(m, races, field::kPrime, col::kPrimeRank);
  EXPECT_EQ(m.text(1, col::kPrimeRank), " 1");
  EXPECT_EQ(m.text(2, col::kPrimeRank), " 2");
  EXPECT_EQ(m.text(3, col::kPrimeRank), "");
  EXPECT_EQ(m.text(4, col::kPrimeRank), " 3");
  EXPECT_EQ(m.text(5, col::kPrimeRank), " 3");
  EXPECT_EQ(m.text(6, col::kPrimeRank), " 1");
}

}  // namespace
}  // namespace kestravo
