#include "card/blocks.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "card/fields.h"

namespace kestravo {
namespace {

// Derivations that count past races from 0 and those that count from 1 must land on the
// same columns, and neither may step outside its block.
TEST(ColumnBlocks, BothNumberingsNameTheSameColumns) {
  constexpr PastRaceBlock speed{846};
  static_assert(speed.race(1) == 846 && speed.race0(0) == 846);
  static_assert(speed.race(10) == 855 && speed.race0(9) == 855);
  constexpr WorkoutBlock date{102};
  static_assert(date.work(1) == 102 && date.work0(11) == 113);
  for (int j = 1; j <= kPastRaces; ++j) EXPECT_EQ(speed.race(j), speed.race0(j - 1));
}

TEST(ColumnBlocks, AnIndexOutsideTheBlockIsRefused) {
  constexpr PastRaceBlock speed{846};
  EXPECT_THROW((void)speed.race(0), std::out_of_range);
  EXPECT_THROW((void)speed.race(11), std::out_of_range);
  EXPECT_THROW((void)speed.race0(10), std::out_of_range);
  EXPECT_THROW((void)speed.race0(-1), std::out_of_range);
  constexpr WorkoutBlock date{102};
  EXPECT_NO_THROW((void)date.work(12));  // twelve workouts, but only ten past races
  EXPECT_THROW((void)date.work(13), std::out_of_range);
  EXPECT_THROW((void)date.work0(12), std::out_of_range);
  EXPECT_THROW((void)field::kKeyStats.name(6), std::out_of_range);
}

TEST(ColumnBlocks, KeyStatCategoriesStandFiveFieldsApart) {
  static_assert(field::kKeyStats.name(0) == field::kKeyStats.first());
  static_assert(field::kKeyStats.returnOnInvestment(5) == field::kKeyStats.last());
  EXPECT_EQ(field::kKeyStats.winPercent(1) - field::kKeyStats.winPercent(0), 5);
}

}  // namespace
}  // namespace kestravo
