#include "figures/angle_flags.h"

#include "card/card_matrix.h"
#include "card/columns.h"
#include "card/fields.h"
#include "card/single.h"
#include "figures/columns.h"

namespace kestravo {

namespace {

// A combination that wins 15 % of its starts and returns at least $1.50 for $2.
constexpr long double kComboWinPercent = 15;
constexpr long double kComboReturn = single(1.5f);
// A work among the five best of a day with 35 works or more at its distance.
constexpr long double kCrowdedDay = 35;
constexpr long double kBestRanks = 5;
// How far back a first-time starter's work may lie.
constexpr long double kRecentWorkDays = 30;
// Within two lengths of the lead at a call; beaten five lengths or more at the finish.
constexpr long double kCloseUp = 2;
constexpr long double kBeatenBadly = 5;
constexpr long double kPowerSpeed = 80;
constexpr const char* kMaidenType = "M";

// Lighter today than in every race on record, the weights standing without a gap from the
// most recent race on; a horse without a past race never qualifies.
bool lowestWeight(const CardMatrix& m, int row) {
  const long double today = m.value(row, field::kWeight);
  if (!(today > 0)) return false;
  int carried = 0;
  for (; carried < kPastRaces; ++carried) {
    const long double weight = m.value(row, field::kPastWeight.race0(carried));
    if (!(weight > 0)) break;
    if (!(today < weight)) return false;
  }
  if (carried == 0) return false;
  for (int k = carried; k < kPastRaces; ++k) {
    if (m.value(row, field::kPastWeight.race0(k)) != 0) return false;
  }
  return true;
}

// A combination without starts has no rate to speak of and never qualifies.
bool winningCombination(const CardMatrix& m, int row, int startsField, int winsField,
                        int returnField) {
  const long double starts = m.value(row, startsField);
  if (starts == 0) return false;
  return m.value(row, winsField) * 100 / starts >= kComboWinPercent &&
         m.value(row, returnField) >= kComboReturn;
}

bool trainerJockey(const CardMatrix& m, int row) {
  return winningCombination(m, row, field::kTrainerJockeyYearStarts, field::kTrainerJockeyYearWins,
                            field::kTrainerJockeyYearReturn) ||
         winningCombination(m, row, field::kTrainerJockeyMeetStarts, field::kTrainerJockeyMeetWins,
                            field::kTrainerJockeyMeetReturn);
}

// A raced horse entered among maidens for the first time.
bool firstTimeMaiden(const CardMatrix& m, int row) {
  if (m.text(row, field::kRaceType) != kMaidenType) return false;
  if (!(m.value(row, col::kDaysSincePast.race(1)) > 0)) return false;
  for (int k = 0; k < kPastRaces; ++k) {
    if (m.text(row, field::kPastClassText.race0(k)) == kMaidenType) return false;
  }
  return true;
}

// A bullet among many works, since the last race for a raced horse, within the last month
// for a first-time starter.
bool bestWorkout(const CardMatrix& m, int row) {
  const long double sinceRace = m.value(row, col::kDaysSincePast.race(1));
  for (int w = 0; w < kWorkouts; ++w) {
    const long double rank = m.value(row, field::kWorkoutRank.work0(w));
    if (!(m.value(row, field::kWorkoutsThatDay.work0(w)) >= kCrowdedDay && rank >= 1 &&
          rank <= kBestRanks)) {
      continue;
    }
    const long double daysBack = m.value(row, col::kWorkoutDays.work0(w));
    if (sinceRace > 0 && daysBack <= sinceRace) return true;
    if (sinceRace == 0 && daysBack > 0 && daysBack <= kRecentWorkDays) return true;
  }
  return false;
}

bool closeUpAtBothCalls(const CardMatrix& m, int row, int k) {
  return m.value(row, field::kPastFirstCallBehind.race0(k)) <= kCloseUp &&
         m.value(row, field::kPastSecondCallBehind.race0(k)) <= kCloseUp;
}

// Close to the lead at both calls of the last race, then well beaten.
bool brokeAfterSpeed(const CardMatrix& m, int row) {
  return closeUpAtBothCalls(m, row, 0) &&
         m.value(row, field::kPastFinishBehind.race0(0)) >= kBeatenBadly;
}

// Speed at both calls of either of the last two races, and an 80 in the most recent.
bool powerPlay(const CardMatrix& m, int row) {
  return m.value(row, field::kPastSpeed.race0(0)) >= kPowerSpeed &&
         (closeUpAtBothCalls(m, row, 0) || closeUpAtBothCalls(m, row, 1));
}

void flag(CardMatrix& m, int row, int column, bool set, const char* text) {
  m.setText(row, column, set ? text : "");
}

}  // namespace

void computeAngleFlags(CardMatrix& m, int row) {
  const bool runs = !m.scratched(row);
  flag(m, row, col::kLowestWeightFlag, runs && lowestWeight(m, row), "LW ");
  flag(m, row, col::kTrainerJockeyFlag, runs && trainerJockey(m, row), "TJ ");
  flag(m, row, col::kFirstTimeMaidenFlag, runs && firstTimeMaiden(m, row), "FT ");
  flag(m, row, col::kBestWorkoutsFlag, runs && bestWorkout(m, row), "FW ");
  flag(m, row, col::kBreakFlag, runs && brokeAfterSpeed(m, row), "BR ");
  flag(m, row, col::kPowerPlayFlag, runs && powerPlay(m, row), "PR ");
}

}  // namespace kestravo
