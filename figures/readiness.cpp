#include "figures/readiness.h"

#include <cmath>
#include <string_view>

#include "card/card_matrix.h"
#include "card/columns.h"
#include "figures/columns.h"

namespace kestravo {

namespace {

// SEL: back within a fortnight or so, carrying no more than 120 lb.
constexpr long double kBackQuicklyDays = 15;
constexpr long double kSelMaxWeight = 120;
// READY: a race within a month is recent, within two weeks fresh; a work within ten days
// keeps a horse sharp between races, and two works within twelve days bring one back.
constexpr long double kRecentRaceDays = 30;
constexpr long double kFreshRaceDays = 14;
constexpr long double kSharpWorkDays = 10;
constexpr long double kComebackWorkDays = 12;

struct LastRaces {
  long double daysSince;  // 0 when the horse has not raced
  long double gap;        // days between the last two races; 0 without a second
  long double finish0;
  long double finish1;
};

LastRaces lastRaces(const CardMatrix& m, int row) {
  return {m.value(row, col::kDaysSincePast.race0(0)), m.value(row, col::kDaysSincePast.race0(1)),
          m.value(row, field::kPastFinishPosition.race0(0)),
          m.value(row, field::kPastFinishPosition.race0(1))};
}

std::string_view f23(const LastRaces& r, bool scratched) {
  return !scratched && r.daysSince > 0 && r.finish0 >= 2 && r.finish0 <= 3 ? "F23 " : "";
}

// A first-time starter that has worked twice: the days since the older work less the
// furlongs of both. The newer distance keeps its sign (an about-distance is written
// negative) and only the sum is made positive, as the figure has always been worked out.
void markRR(CardMatrix& m, int row, const LastRaces& r, bool scratched) {
  const long double yards0 = m.value(row, field::kWorkoutDistance.work0(0));
  const long double yards1 = m.value(row, field::kWorkoutDistance.work0(1));
  const long double days0 = m.value(row, col::kWorkoutDays.work0(0));
  const long double days1 = m.value(row, col::kWorkoutDays.work0(1));
  if (scratched || r.daysSince != 0 || !(std::fabs(yards0) > 0) || !(std::fabs(yards1) > 0) ||
      !(days0 > 0) || !(days1 > 0)) {
    m.setText(row, col::kRR, "0");
    return;
  }
  const long double furlongs =
      std::fabs(yards0 / kYardsPerFurlong + std::fabs(yards1 / kYardsPerFurlong));
  m.setMasked(row, col::kRR, "###", days1 - furlongs);
}

// Horses beaten in the last two races by a horse back quickly under a light weight that
// did not win last time.
void markSEL(CardMatrix& m, int row, const LastRaces& r, bool scratched) {
  const long double weight = m.value(row, field::kWeight);
  if (scratched || !(r.daysSince > 0 && r.daysSince <= kBackQuicklyDays) || !(r.gap > 0) ||
      !(weight > 0 && weight <= kSelMaxWeight) || !(r.finish0 > 1)) {
    m.setText(row, col::kSEL, "0");
    return;
  }
  const long double starters =
      m.value(row, field::kPastStarters.race0(1)) + m.value(row, field::kPastStarters.race0(0));
  m.setMasked(row, col::kSEL, "###", starters - (r.finish1 + r.finish0));
}

// d: days since the last race; w0, w1: days since the last two works (several thousand for
// a work that does not exist, 0 for one on race day). Empty is a code of its own: it adds
// nothing to the vulnerability points.
std::string_view readyCode(long double d, long double w0, long double w1, bool scratched) {
  if (!scratched && d > 0 && d <= kRecentRaceDays) {
    if (d >= kFreshRaceDays && w0 >= kSharpWorkDays) return "0";
    if (d < kFreshRaceDays) return "1";
    if (w0 > 0 && w0 < kSharpWorkDays) return "1";
    return "";
  }
  if (d == 0 || scratched) return "2";
  // Off a layoff; a negative day count (a last race dated after today) gets no code.
  const bool workedLately = w0 > 0 && w0 <= kComebackWorkDays;
  if (d > kRecentRaceDays && workedLately) {
    if (w1 > 0 && w1 <= kComebackWorkDays) return "0";
    if (w1 > kComebackWorkDays) return "1";
  }
  return "";
}

}  // namespace

void computeReadiness(CardMatrix& m, int row) {
  const bool scratched = m.scratched(row);
  const LastRaces r = lastRaces(m, row);
  m.setText(row, col::kF23, f23(r, scratched));
  markRR(m, row, r, scratched);
  markSEL(m, row, r, scratched);
  m.setText(row, col::kREADY,
            readyCode(r.daysSince, m.value(row, col::kWorkoutDays.work0(0)),
                      m.value(row, col::kWorkoutDays.work0(1)), scratched));
}

}  // namespace kestravo
