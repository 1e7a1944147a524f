#include "card/dates.h"

#include <gtest/gtest.h>

#include "card/card_matrix.h"
#include "card/columns.h"

namespace kestravo {
namespace {

TEST(DayNumber, FollowsTheTablesAsPrinted) {
  EXPECT_EQ(dayNumber("20240315"), 7306 + 59 + 15);
  EXPECT_EQ(dayNumber("20040101"), 1);
  EXPECT_EQ(dayNumber("20080101"), 1463);  // 2008 starts at 1462, not 1461
  EXPECT_EQ(dayNumber("20190101"), 5481);  // one more than 2018 + 365
  EXPECT_EQ(dayNumber("20261208"), 8037 + 334 + 8);
  EXPECT_EQ(dayNumber("20350101"), 11325);
  EXPECT_EQ(dayNumber("20240301") - dayNumber("20240228"), 1);  // no leap day
  EXPECT_EQ(dayNumber("20190102") - dayNumber("20181231"), 3);
}

TEST(DayNumber, UnknownPartsCountZero) {
  EXPECT_EQ(dayNumber(""), 0);
  EXPECT_EQ(dayNumber("20360101"), 1);  // year outside the table
  EXPECT_EQ(dayNumber("20031231"), 334 + 31);
  EXPECT_EQ(dayNumber("20241315"), 7306 + 15);   // month 13
  EXPECT_EQ(dayNumber("2024-3-15"), 7306 + 15);  // month "-3" is no month
}

TEST(DayNumber, ShorterTextsUseTheCharactersTheyHave) {
  EXPECT_EQ(dayNumber("2024031"), 7306 + 59 + 31);
  EXPECT_EQ(dayNumber("2024"), 7306 + 24);
  EXPECT_EQ(dayNumber("7"), 7);
  EXPECT_EQ(dayNumber("202403AB"), 7306 + 59);
}

class DayCounts : public ::testing::Test {
 protected:
  void SetUp() override {
    m.reset(1);
    m.setText(1, field::kRaceDate, "20240315");
    m.setText(1, field::kDaysSinceLastRace, "21");
    m.setText(1, field::kPastDayGap.race(1), "35");
    m.setText(1, field::kPastDayGap.race(2), "-4");
    m.setText(1, field::kWorkoutDate.work(1), "20240315");
    m.setText(1, field::kWorkoutDate.work(2), "20240308");
    m.setText(1, field::kWorkoutDate.work(3), "20231230");
  }
  CardMatrix m;
};

TEST_F(DayCounts, CopiesSpacingAndFlagsActivity) {
  computeDates(m, 1);
  EXPECT_EQ(m.text(1, col::kDaysSincePast.race(1)), "21");
  EXPECT_EQ(m.text(1, col::kDaysSincePast.race(2)), "35");
  EXPECT_EQ(m.text(1, col::kDaysSincePast.race(3)), "-4");
  EXPECT_EQ(m.text(1, col::kDaysSincePast.race(4)), "");
  EXPECT_EQ(m.text(1, col::kPastRaceExists.race(1)), "1");
  EXPECT_EQ(m.text(1, col::kPastRaceExists.race(2)), "1");
  EXPECT_EQ(m.text(1, col::kPastRaceExists.race(3)), "0");
  EXPECT_EQ(m.text(1, col::kPastRaceExists.race(10)), "0");
}

TEST_F(DayCounts, WorkoutAgesCountFromTheRaceDay) {
  computeDates(m, 1);
  EXPECT_EQ(m.text(1, col::kRaceDayNumber), " 7380");
  EXPECT_EQ(m.text(1, col::kWorkoutDays.work(1)), " 0");
  EXPECT_EQ(m.text(1, col::kWorkoutDays.work(2)), " 7");
  EXPECT_EQ(m.text(1, col::kWorkoutDays.work(3)), " 76");  // across the turn of the year
  // An empty workout date counts from day 0: the race's own day number.
  EXPECT_EQ(m.text(1, col::kWorkoutDays.work(4)), " 7380");
}

TEST_F(DayCounts, AScratchedHorseHasNoWorkoutAges) {
  m.setText(1, col::kScratchMark, "S");
  computeDates(m, 1);
  EXPECT_EQ(m.text(1, col::kRaceDayNumber), " 7380");
  EXPECT_EQ(m.text(1, col::kDaysSincePast.race(1)), "21");
  EXPECT_EQ(m.text(1, col::kPastRaceExists.race(1)), "1");
  for (int w = 1; w <= kWorkouts; ++w) EXPECT_EQ(m.text(1, col::kWorkoutDays.work(w)), "");
}

TEST_F(DayCounts, AFutureWorkoutGivesANegativeCount) {
  m.setText(1, field::kWorkoutDate.work(1), "20240320");
  computeDates(m, 1);
  EXPECT_EQ(m.text(1, col::kWorkoutDays.work(1)), "-5");
}

}  // namespace
}  // namespace kestravo
