#include "oddsline/form_marks.h"

#include <array>

#include "card/card_matrix.h"
#include "card/columns.h"
#include "figures/columns.h"
#include "oddsline/columns.h"

namespace kestravo {

namespace {

// The best figure was run two to twelve weeks ago: time to have recovered, not so long
// that the form has gone.
constexpr long double kFreshestDays = 14;
constexpr long double kStalestDays = 84;
constexpr long double kYoungest = 2;
constexpr long double kOldest = 4;
// The best figure stands at least a point above the second, and no more than 20 above the
// figure it is set against.
constexpr long double kLeastMargin = 1;
constexpr long double kMostMargin = 20;

struct Best {
  int figure;
  int daysSince;
};
constexpr std::array<Best, 3> kBests = {{
    {col::kBEST1, col::kDaysSinceBest1},
    {col::kBEST2, col::kDaysSinceBest2},
    {col::kBEST3, col::kDaysSinceBest3},
}};

long double daysSince(const CardMatrix& m, int row, long double best) {
  long double days = 0;
  for (int j = 1; j <= kPastRaces; ++j) {
    days += m.value(row, col::kDaysSincePast.race(j));
    if (m.value(row, field::kPastSpeed.race(j)) == best) break;
  }
  return days;
}

}  // namespace

void computeDaysSinceBest(CardMatrix& m, int row) {
  if (m.scratched(row)) return;
  for (const Best& b : kBests) {
    m.setMasked(row, b.daysSince, "####", daysSince(m, row, m.value(row, b.figure)));
  }
}

void markForm(CardMatrix& m, int row) {
  const long double d1 = m.value(row, col::kDaysSinceBest1);
  const long double d2 = m.value(row, col::kDaysSinceBest2);
  const long double d3 = m.value(row, col::kDaysSinceBest3);
  const long double b1 = m.value(row, col::kBEST1);
  const long double b2 = m.value(row, col::kBEST2);
  const long double b3 = m.value(row, col::kBEST3);
  const long double age = m.value(row, col::kAGELR);
  const bool young = age >= kYoungest && age <= kOldest;
  const bool recent = d1 >= kFreshestDays && d1 <= kStalestDays;
  // Rule A: the best is fresher than the second and up to 20 above it.
  const bool ruleA = d2 > d1 && b1 - b2 >= kLeastMargin && b1 - b2 <= kMostMargin;
  // Rule B: the second is fresher still, the third older, the best within 20 of the third.
  const bool ruleB = d3 > d1 && d2 < d1 && b1 - b2 >= kLeastMargin && b1 - b3 <= kMostMargin;
  const bool mark = !m.scratched(row) && young && recent && (ruleA || ruleB);
  m.setText(row, col::kFormMark, mark ? "F " : "");
}

}  // namespace kestravo
