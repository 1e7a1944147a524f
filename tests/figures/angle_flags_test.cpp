#include "figures/angle_flags.h"

#include <gtest/gtest.h>

#include "card/fields.h"
#include "figures/columns.h"
#include "one_entry.h"

namespace kestravo {
namespace {

using Texts = std::initializer_list<const char*>;

std::string flagOf(testing::OneEntry& e, int column) {
  computeAngleFlags(e.m, 1);
  return e.cell(column);
}

std::string lowestWeight(const char* today, Texts carried) {
  testing::OneEntry e;
  e.set(field::kWeight, today);
  e.setRun(field::kPastWeight.first(), kPastRaces, carried);
  return flagOf(e, col::kLowestWeightFlag);
}

TEST(AngleFlags, LowestWeightBelowEveryWeightWithoutGaps) {
  EXPECT_EQ(lowestWeight("118", {"120", "122"}), "LW ");
  EXPECT_EQ(lowestWeight("118", {"120", "118"}), "");  // equal is not lower
  EXPECT_EQ(lowestWeight("118", {"120", "0", "122"}), "");
  EXPECT_EQ(lowestWeight("118", {"120", "", "122"}), "");
  EXPECT_EQ(lowestWeight("118", {"120", "-1"}), "");
  const char* h = "119";
  EXPECT_EQ(lowestWeight("118", {h, h, h, h, h, h, h, h, h, h}), "LW ");
  EXPECT_EQ(lowestWeight("118", {h, h, h, h, h, h, h, h, h, "118"}), "");
  EXPECT_EQ(lowestWeight("118", {}), "");
  EXPECT_EQ(lowestWeight("0", {"120"}), "");
}

struct Combination {
  const char* starts = "";
  const char* wins = "";
  const char* paid = "";  // the $2 return
};

std::string trainerJockey(Combination year, Combination meet) {
  testing::OneEntry e;
  e.set(field::kTrainerJockeyYearStarts, year.starts);
  e.set(field::kTrainerJockeyYearWins, year.wins);
  e.set(field::kTrainerJockeyYearReturn, year.paid);
  e.set(field::kTrainerJockeyMeetStarts, meet.starts);
  e.set(field::kTrainerJockeyMeetWins, meet.wins);
  e.set(field::kTrainerJockeyMeetReturn, meet.paid);
  return flagOf(e, col::kTrainerJockeyFlag);
}

// Either combination qualifies alone; one without starts never does, even with wins.
TEST(AngleFlags, TrainerJockeyWinsAndPays) {
  EXPECT_EQ(trainerJockey({"20", "3", "1.50"}, {}), "TJ ");
  EXPECT_EQ(trainerJockey({"20", "3", "1.49"}, {}), "");
  EXPECT_EQ(trainerJockey({"21", "3", "9"}, {}), "");
  EXPECT_EQ(trainerJockey({"0", "3", "9"}, {}), "");
  EXPECT_EQ(trainerJockey({}, {"20", "3", "1.5"}), "TJ ");
  EXPECT_EQ(trainerJockey({}, {"20", "3", "1.49"}), "");
  EXPECT_EQ(trainerJockey({}, {"0", "1", "9"}), "");
  EXPECT_EQ(trainerJockey({"20", "2", "9"}, {"20", "4", "2"}), "TJ ");
  EXPECT_EQ(trainerJockey({"-20", "-3", "1.5"}, {}), "TJ ");  // counts taken as written
}

std::string firstTimeMaiden(const char* today, const char* daysSince, Texts classes) {
  testing::OneEntry e;
  e.set(field::kRaceType, today);
  e.set(col::kDaysSincePast.race(1), daysSince);
  e.setRun(field::kPastClassText.first(), kPastRaces, classes);
  return flagOf(e, col::kFirstTimeMaidenFlag);
}

TEST(AngleFlags, FirstTimeAmongMaidens) {
  EXPECT_EQ(firstTimeMaiden("M", "30", {"S", "S", "S"}), "FT ");
  EXPECT_EQ(firstTimeMaiden("M", "30", {"S", "M"}), "");
  const char* s = "S";
  EXPECT_EQ(firstTimeMaiden("M", "30", {s, s, s, s, s, s, s, s, s, "M"}), "");
  EXPECT_EQ(firstTimeMaiden("M", "30", {"m"}), "FT ");
  EXPECT_EQ(firstTimeMaiden("M", "0", {}), "");  // a first-time starter
  EXPECT_EQ(firstTimeMaiden("S", "30", {"S"}), "");
  EXPECT_EQ(firstTimeMaiden("M ", "30", {"S"}), "");
}

// Workout w (1 to 12) with its works of the day, its rank and its days back; the other
// workouts do not exist and so lie thousands of days back.
std::string bestWorkout(const char* daysSince, int w, const char* works, const char* rank,
                        const char* daysBack) {
  testing::OneEntry e;
  e.set(col::kDaysSincePast.race(1), daysSince);
  for (int k = 1; k <= kWorkouts; ++k) e.set(col::kWorkoutDays.work(k), " 7000");
  e.set(field::kWorkoutsThatDay.work(w), works);
  e.set(field::kWorkoutRank.work(w), rank);
  e.set(col::kWorkoutDays.work(w), daysBack);
  return flagOf(e, col::kBestWorkoutsFlag);
}

TEST(AngleFlags, BestWorkoutOfACrowdedDay) {
  EXPECT_EQ(bestWorkout("0", 1, "40", "3", "12"), "FW ");
  EXPECT_EQ(bestWorkout("0", 1, "34", "3", "12"), "");
  EXPECT_EQ(bestWorkout("0", 1, "35", "3", "12"), "FW ");
  EXPECT_EQ(bestWorkout("0", 2, "40", "5", "12"), "FW ");
  EXPECT_EQ(bestWorkout("0", 2, "40", "6", "12"), "");
  EXPECT_EQ(bestWorkout("0", 2, "40", "0", "12"), "");
  EXPECT_EQ(bestWorkout("0", 3, "40", "3", "30"), "FW ");
  EXPECT_EQ(bestWorkout("0", 3, "40", "3", "31"), "");
  EXPECT_EQ(bestWorkout("0", 3, "40", "3", "0"), "");
  EXPECT_EQ(bestWorkout("0", 12, "40", "1", "5"), "FW ");
  // A raced horse: any work since its last race, the day of the race included.
  EXPECT_EQ(bestWorkout("20", 1, "50", "1", "20"), "FW ");
  EXPECT_EQ(bestWorkout("20", 1, "50", "1", "21"), "");
  EXPECT_EQ(bestWorkout("400", 1, "50", "1", "100"), "FW ");
}

// Lengths behind the leader at the two calls and behind the winner at the finish.
struct Calls {
  const char* first = "";
  const char* second = "";
  const char* finish = "";
};

std::string lastRaces(int column, const char* speed, Calls last, Calls before) {
  testing::OneEntry e;
  e.set(field::kPastSpeed.race(1), speed);
  for (int j : {1, 2}) {
    const Calls& c = j == 1 ? last : before;
    e.set(field::kPastFirstCallBehind.race(j), c.first);
    e.set(field::kPastSecondCallBehind.race(j), c.second);
    e.set(field::kPastFinishBehind.race(j), c.finish);
  }
  return flagOf(e, column);
}

TEST(AngleFlags, BreakAfterSpeed) {
  const int br = col::kBreakFlag;
  EXPECT_EQ(lastRaces(br, "70", {"0", "0", "5"}, {"9", "9"}), "BR ");
  EXPECT_EQ(lastRaces(br, "70", {"0", "0", "4.75"}, {"9", "9"}), "");
  EXPECT_EQ(lastRaces(br, "70", {"2", "2", "6"}, {"9", "9"}), "BR ");
  EXPECT_EQ(lastRaces(br, "70", {"2.25", "0", "9"}, {"0", "0"}), "");
  EXPECT_EQ(lastRaces(br, "", {}, {}), "");
}

// Both alternatives take the speed figure of the most recent race.
TEST(AngleFlags, PowerPlay) {
  const int pr = col::kPowerPlayFlag;
  EXPECT_EQ(lastRaces(pr, "80", {"1.5", "1.5", "0"}, {"9", "9"}), "PR ");
  EXPECT_EQ(lastRaces(pr, "79", {"1.5", "1.5", "0"}, {"9", "9"}), "");
  EXPECT_EQ(lastRaces(pr, "80", {"3", "3", "0"}, {"1", "2"}), "PR ");
  EXPECT_EQ(lastRaces(pr, "80", {"3", "3", "0"}, {"1", "2.5"}), "");
  EXPECT_EQ(lastRaces(pr, "79", {"3", "3", "0"}, {"1", "2"}), "");
}

TEST(AngleFlags, AScratchedHorseGetsNone) {
  testing::OneEntry e;
  e.set(field::kWeight, "118");
  e.set(field::kPastWeight.race(1), "120");
  e.set(field::kTrainerJockeyYearStarts, "20");
  e.set(field::kTrainerJockeyYearWins, "5");
  e.set(field::kTrainerJockeyYearReturn, "3");
  e.set(field::kRaceType, "M");
  e.set(col::kDaysSincePast.race(1), "20");
  e.set(field::kWorkoutsThatDay.work(1), "50");
  e.set(field::kWorkoutRank.work(1), "1");
  e.set(col::kWorkoutDays.work(1), "10");
  e.set(field::kPastSpeed.race(1), "90");
  e.set(field::kPastFinishBehind.race(1), "8");
  const int flags[] = {col::kLowestWeightFlag, col::kTrainerJockeyFlag, col::kFirstTimeMaidenFlag,
                       col::kBestWorkoutsFlag, col::kBreakFlag,         col::kPowerPlayFlag};
  for (int c : flags) EXPECT_NE(flagOf(e, c), "") << c;  // the same horse running fits them all
  e.scratch();
  for (int c : flags) EXPECT_EQ(flagOf(e, c), "") << c;
}

}  // namespace
}  // namespace kestravo
