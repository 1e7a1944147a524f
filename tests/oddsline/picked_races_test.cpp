#include "oddsline/picked_races.h"

#include <gtest/gtest.h>

#include "card/card_matrix.h"
#include "card/columns.h"
#include "oddsline/columns.h"

namespace kestravo {
namespace {

class PickedRaces : public ::testing::Test {
 protected:
  void SetUp() override {
    m.reset(1);
    // Three past races run; race 4 never happened.
    const char* speed[] = {"80", "70", "90", "99"};
    for (int j = 1; j <= 4; ++j) {
      m.setText(1, col::kPastRaceExists.race(j), j <= 3 ? "1" : "0");
      m.setText(1, field::kPastSpeed.race(j), speed[j - 1]);
      m.setText(1, col::kE1.race(j), "90");
      m.setText(1, col::kE2.race(j), "85");
      m.setText(1, field::kPastLate.race(j), "77");
    }
    m.setText(1, field::kPastDistance.race(1), "1320");
    m.setText(1, field::kPastSurface.race(1), "D");
    m.setText(1, field::kPastClassText.race(1), "M");
    m.setText(1, field::kPastPurse.race(1), "40000");
    m.setText(1, field::kPastFinishPosition.race(1), "3");
    m.setText(1, field::kPastFinishMargin.race(1), "2.25");
    m.setText(1, field::kPastDistance.race(3), "-1870");
  }
  void pick(std::initializer_list<int> races) {
    for (int j = 1; j <= kPastRaces; ++j) m.setText(1, col::kPickFlag.race(j), "");
    for (int j : races) m.setText(1, col::kPickFlag.race(j), "1");
    computePickedRaces(m, 1);
  }
  std::string cell(int column) { return std::string(m.text(1, column)); }
  CardMatrix m;
};

TEST_F(PickedRaces, NonePicked) {
  pick({});
  EXPECT_EQ(cell(col::kPickedE1), "0");
  EXPECT_EQ(cell(col::kPickedSpeed), "0");
  for (int c : {col::kPickedClass, col::kPickedFinish, col::kPickedBeaten, col::kPickedSurface,
                col::kPickedDistance}) {
    EXPECT_EQ(cell(c), "***");
  }
}

TEST_F(PickedRaces, OnePickedSuppliesItsRace) {
  pick({1});
  EXPECT_EQ(cell(col::kPickedSpeed), " 80");
  EXPECT_EQ(cell(col::kPickedE1), " 90");
  EXPECT_EQ(cell(col::kPickedE2), " 85");
  EXPECT_EQ(cell(col::kPickedLate), " 77");
  EXPECT_EQ(cell(col::kPickedClass), "M40");
  EXPECT_EQ(cell(col::kPickedFinish), "3");
  EXPECT_EQ(cell(col::kPickedBeaten), " 2.25");
  EXPECT_EQ(cell(col::kPickedSurface), "D");
  EXPECT_EQ(cell(col::kPickedDistance), " 6.0");

  pick({3});
  EXPECT_EQ(cell(col::kPickedDistance), " 8.5");
  EXPECT_EQ(cell(col::kPickedClass), "0");  // no class text and no purse
}

TEST_F(PickedRaces, SeveralPickedAverageOverTheRacesRun) {
  pick({1, 3});
  EXPECT_EQ(cell(col::kPickedSpeed), " 85");
  EXPECT_EQ(cell(col::kPickedClass), "***");
  EXPECT_EQ(cell(col::kPickedSurface), "***");
  // A pick of a race never run adds its figure but not to the divisor.
  pick({1, 2, 4});
  EXPECT_EQ(cell(col::kPickedSpeed), "124");  // (80 + 70 + 99) / 2
}

TEST_F(PickedRaces, PicksOfRacesNeverRunAverageToZero) {
  pick({4});
  EXPECT_EQ(cell(col::kPickedSpeed), "  0");
  EXPECT_EQ(cell(col::kPickedFinish), "");  // the one pick has no finish of its own
}

TEST_F(PickedRaces, FlagsSummingToOneWithoutAWholePickLeaveTheRaceEmpty) {
  pick({});
  m.setText(1, col::kPickFlag.race(1), "0.5");
  m.setText(1, col::kPickFlag.race(2), "0.5");
  computePickedRaces(m, 1);
  EXPECT_EQ(cell(col::kPickedSpeed), " 75");
  EXPECT_EQ(cell(col::kPickedSurface), "");
  EXPECT_EQ(cell(col::kPickedClass), "");
}

}  // namespace
}  // namespace kestravo
