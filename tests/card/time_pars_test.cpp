#include "card/time_pars.h"

#include <gtest/gtest.h>

#include <string>

#include "card/card_matrix.h"
#include "card/columns.h"
#include "format/text.h"

namespace kestravo {
namespace {

class TimePars : public ::testing::Test {
 protected:
  void SetUp() override { m.reset(1); }
  std::string cell(int column) { return std::string(m.text(1, column)); }
  CardMatrix m;
};

// Yards, seconds, figure. The pars of 3, 4 and 7 furlongs (30.4, 43.6, 82.6) are singles a
// little below their decimals, so a time that decimal arithmetic puts on a half falls just
// below it; a whole par lands on the half exactly and the mask rounds it to the even figure.
TEST_F(TimePars, WorkoutTimeFigure) {
  const char* const cases[][3] = {
      {"880", "48.2", " 92"},  {"880", "-48.2", " 92"},  {"-880", "48.2", " 92"},
      {"770", "48.2", "0"},    {"0", "48.2", "0"},       {"", "", "0"},
      {"660", "35", " 92"},    {"1320", "69", "115"},    {"1760", "97", "115"},
      {"1210", "63", "0"},     {"1830", "99.5", "0"},    {"1870", "104", "0"},
      {"1100", "56.3", "114"}, {"1100", "56.5", "112"},  {"880", "43.9", "113"},
      {"660", "30.7", "113"},  {"1540", "82.9", "113"},  {"880", "43.5", "115"},
      {"1100", "80", " -5"},   {"880", "3e3", "-14667"},
  };
  for (const auto& c : cases) {
    m.setText(1, field::kWorkoutDistance.work(1), c[0]);
    m.setText(1, field::kWorkoutTime.work(1), c[1]);
    computeWorkoutTimeFigure(m, 1, 1);
    EXPECT_EQ(cell(col::kWorkoutTimeFigure.work(1)), c[2]) << c[0] << " yd in " << c[1];
  }
}

// Yards, final time, lengths beaten, figure. The band just past a mile has one par; F = 8 and
// F = 8.5 have their own.
TEST_F(TimePars, DistanceParFigure) {
  const char* const cases[][4] = {
      {"1320", "70.4", "2", "106"}, {"1830", "99.5", "0", "115"}, {"-1830", "100", "1", "112"},
      {"1870", "99.5", "0", "138"}, {"1760", "99.5", "0", "102"}, {"1761", "99.5", "0", "115"},
      {"1869", "99.5", "0", "115"}, {"1210", "63", ".25", "115"}, {"2200", "125", "0", "115"},
      {"2310", "125", "0", "0"},    {"2420", "125", "0", "0"},    {"0", "70", "0", "0"},
      {"770", "40", "0", "0"},      {"1650", "89.9", "0", "113"}, {"1320", "69", "-3", "118"},
  };
  for (const auto& c : cases) {
    m.setText(1, field::kPastDistance.race(10), c[0]);
    m.setText(1, field::kPastFinalTime.race(10), c[1]);
    m.setText(1, field::kPastFinishBehind.race(10), c[2]);
    computeDistanceParFigures(m, 1);
    EXPECT_EQ(cell(col::kDistanceParFigure.race(10)), c[3]) << c[0] << " yd in " << c[1];
    EXPECT_EQ(cell(col::kDistanceParFigure.race(1)), "0");  // no race
  }
}

// Days since the last race, lengths behind at the first call of the last two races, PWR.
TEST_F(TimePars, PWRNeedsAFreshHorseNotFarBackEarly) {
  m.setText(1, field::kPastLate.race(1), "80");
  m.setText(1, field::kPowerItemC, "10");
  m.setText(1, field::kPowerItemB, "5");
  m.setText(1, field::kPowerItemD, "3");
  m.setText(1, field::kPowerItemA, "2.5");  // 100.5 goes to the even figure
  const char* const cases[][4] = {
      {"51", "0", "0", ""},   {"50", "0", "0", "100"}, {"30", "6", "4", "100"},
      {"30", "6", "7", ""},   {"30", "5", "5", ""},    {"30", "4.9", "5", "100"},
      {"30", "", "9", "100"}, {"0", "0", "0", ""},     {"-5", "0", "0", ""},
  };
  for (const auto& c : cases) {
    m.setText(1, field::kDaysSinceLastRace, c[0]);
    m.setText(1, field::kPastFirstCallBehind.race(1), c[1]);
    m.setText(1, field::kPastFirstCallBehind.race(2), c[2]);
    computePWR(m, 1);
    EXPECT_EQ(cell(col::kPWR), c[3]) << c[0] << " days, " << c[1] << " and " << c[2];
  }
}

// Speed figure of the last race, field 844, today's par, mark.
TEST_F(TimePars, ParMark) {
  const char* const cases[][4] = {
      {"80", "0", "80", "P"}, {"79", "80", "80", "P"}, {"79", "79.9", "80", ""},
      {"", "", "", "P"},      {"", "", "1", ""},
  };
  for (const auto& c : cases) {
    m.setText(1, field::kPastSpeed.race(1), c[0]);
    m.setText(1, field::kParMarkFigure, c[1]);
    m.setText(1, field::kSpeedPar, c[2]);
    computeParMark(m, 1);
    EXPECT_EQ(cell(col::kParMark), c[3]) << c[0] << ", " << c[1] << " vs " << c[2];
  }
}

TEST_F(TimePars, AScratchedHorseGetsNeutralValues) {
  for (int w = 1; w <= kWorkouts; ++w) {
    m.setText(1, field::kWorkoutDistance.work(w), "880");
    m.setText(1, field::kWorkoutTime.work(w), "48.2");
    m.setText(1, field::kWorkoutTrack.work(w), "SA");
    m.setText(1, field::kWorkoutCondition.work(w), "gd");
    m.setText(1, field::kWorkoutDescription.work(w), "Bg");
  }
  for (int j = 1; j <= kPastRaces; ++j) {
    m.setText(1, field::kPastDistance.race(j), "1320");
    m.setText(1, field::kPastFinalTime.race(j), "70");
  }
  m.setText(1, field::kPastSpeed.race(1), "90");
  m.setText(1, field::kPastLate.race(1), "77");
  m.setText(1, field::kDaysSinceLastRace, "20");
  for (RecordFields r : {field::kLifetimeRecord, field::kFirstYearRecord, field::kSecondYearRecord,
                         field::kDistanceRecord, field::kTrackRecord, field::kDirtRecord,
                         field::kTurfRecord, field::kAllWeatherRecord}) {
    m.setText(1, r.starts(), "5");
    m.setText(1, r.wins(), "1");
    m.setText(1, r.earnings(), "60");
  }
  struct Expected {
    const char* pwr;
    const char* parMark;
    const char* work[4];  // time figure, track, condition, description
    const char* distancePar;
    const char* apv;  // trimmed: the first yearly record has the wider mask
    const char* inTheMoney;
  };
  const auto expectRow = [this](const Expected& e) {
    EXPECT_EQ(cell(col::kPWR), e.pwr);
    EXPECT_EQ(cell(col::kParMark), e.parMark);
    for (int w = 1; w <= kWorkouts; ++w) {
      EXPECT_EQ(cell(col::kWorkoutTimeFigure.work(w)), e.work[0]) << w;
      EXPECT_EQ(cell(col::kTrackValue.work(w)), e.work[1]) << w;
      EXPECT_EQ(cell(col::kConditionValue.work(w)), e.work[2]) << w;
      EXPECT_EQ(cell(col::kDescriptionValue.work(w)), e.work[3]) << w;
    }
    for (int j = 1; j <= kPastRaces; ++j) {
      EXPECT_EQ(cell(col::kDistanceParFigure.race(j)), e.distancePar) << j;
    }
    for (int c :
         {col::kAPVLifetime, col::kAPVFirstYear, col::kAPVSecondYear, col::kAPVYears,
          col::kAPVDistance, col::kAPVTrack, col::kAPVDirt, col::kAPVTurf, col::kAPVAllWeather}) {
      EXPECT_EQ(trimBlanks(cell(c)), e.apv) << c;
    }
    EXPECT_EQ(cell(col::kInTheMoneyPercent), e.inTheMoney);
  };

  computeTimeParsAndRecords(m, 1);
  expectRow({" 77", "P", {" 92", "12", "10", "20"}, "110", "100", " 20"});
  m.setText(1, col::kScratchMark, "S");  // keeps its PWR
  computeTimeParsAndRecords(m, 1);
  expectRow({" 77", "", {"0", "0", "0", "0"}, "0", "0", "0"});
}

}  // namespace
}  // namespace kestravo
