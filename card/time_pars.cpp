#include "card/time_pars.h"

#include <array>
#include <cmath>

#include "card/card_matrix.h"
#include "card/columns.h"
#include "card/records.h"
#include "card/single.h"
#include "card/track_table.h"
#include "card/workout_codes.h"

namespace kestravo {

namespace {

constexpr long double kParFigure = 115;      // a run in exactly par time
constexpr long double kPointsPerSecond = 5;  // each second off par

struct Par {
  long double furlongs;
  long double seconds;
};

constexpr std::array<Par, 13> kTimePars = {{
    {3, single(30.4f)},
    {4, single(43.6f)},
    {5, 56},
    {single(5.5f), 63},
    {6, 69},
    {single(6.5f), 76},
    {7, single(82.6f)},
    {single(7.5f), single(89.6f)},
    {8, 97},
    {single(8.5f), 104},
    {9, 111},
    {single(9.5f), 118},
    {10, 125},
}};
// A mile and 40 or 70 yards: every distance strictly between 8 and 8.5 furlongs.
constexpr long double kMileAndYardsFrom = 8;
constexpr long double kMileAndYardsTo = single(8.5f);
constexpr long double kMileAndYardsPar = single(99.5f);

constexpr std::array<long double, 6> kWorkoutFurlongs = {3, 4, 5, 6, 7, 8};

// PWR counts only a horse back within this many days ...
constexpr long double kFreshDays = 50;
// ... that was not this many lengths back at the first call of both of its last two races.
constexpr long double kFarBackLengths = 5;

long double furlongs(long double yards) { return std::fabs(yards) / kYardsPerFurlong; }

}  // namespace

std::optional<long double> timePar(long double f) {
  for (const Par& p : kTimePars) {
    if (f == p.furlongs) return p.seconds;
  }
  if (f > kMileAndYardsFrom && f < kMileAndYardsTo) return kMileAndYardsPar;
  return std::nullopt;
}

std::optional<long double> workoutTimePar(long double f) {
  for (long double whole : kWorkoutFurlongs) {
    if (f == whole) return timePar(f);
  }
  return std::nullopt;
}

void computePWR(CardMatrix& m, int row) {
  const long double days = m.value(row, field::kDaysSinceLastRace);
  const bool farBack = m.value(row, field::kPastFirstCallBehind.race(1)) >= kFarBackLengths &&
                       m.value(row, field::kPastFirstCallBehind.race(2)) >= kFarBackLengths;
  if (!(days > 0 && days <= kFreshDays) || farBack) {
    m.setText(row, col::kPWR, "");
    return;
  }
  m.setMasked(row, col::kPWR, "###",
              m.value(row, field::kPastLate.race(1)) + m.value(row, field::kPowerItemC) +
                  m.value(row, field::kPowerItemB) + m.value(row, field::kPowerItemD) +
                  m.value(row, field::kPowerItemA));
}

void computeParMark(CardMatrix& m, int row) {
  const long double par = m.value(row, field::kSpeedPar);
  const bool atPar = !m.scratched(row) && (m.value(row, field::kPastSpeed.race(1)) >= par ||
                                           m.value(row, field::kParMarkFigure) >= par);
  m.setText(row, col::kParMark, atPar ? "P" : "");
}

void computeWorkoutTimeFigure(CardMatrix& m, int row, int w) {
  const int out = col::kWorkoutTimeFigure.work(w);
  const auto par = m.scratched(row)
                       ? std::nullopt
                       : workoutTimePar(furlongs(m.value(row, field::kWorkoutDistance.work(w))));
  if (!par) {
    m.setText(row, out, "0");
    return;
  }
  // A negative time marks the best work of the day; the figure takes the time itself.
  const long double seconds = std::fabs(m.value(row, field::kWorkoutTime.work(w)));
  m.setMasked(row, out, "###", kParFigure - kPointsPerSecond * (seconds - *par));
}

void computeDistanceParFigures(CardMatrix& m, int row) {
  const bool scratched = m.scratched(row);
  for (int j = 1; j <= kPastRaces; ++j) {
    const int out = col::kDistanceParFigure.race(j);
    const auto par =
        scratched ? std::nullopt : timePar(furlongs(m.value(row, field::kPastDistance.race(j))));
    if (!par) {
      m.setText(row, out, "0");
      continue;
    }
    const long double seconds = m.value(row, field::kPastFinalTime.race(j));
    const long double beaten = m.value(row, field::kPastFinishBehind.race(j));
    m.setMasked(row, out, "###", kParFigure - kPointsPerSecond * (seconds - *par) - beaten);
  }
}

void computeTimeParsAndRecords(CardMatrix& m, int row) {
  computePWR(m, row);
  computeParMark(m, row);
  for (int w = 1; w <= kWorkouts; ++w) {
    computeWorkoutTimeFigure(m, row, w);
    computeTrackValue(m, row, w);
    computeConditionValue(m, row, w);
    computeDescriptionValue(m, row, w);
  }
  computeDistanceParFigures(m, row);
  computeAPV(m, row);
  computeInTheMoneyPercent(m, row);
}

}  // namespace kestravo
