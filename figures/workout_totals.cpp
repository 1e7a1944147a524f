#include "figures/workout_totals.h"

#include "card/card_matrix.h"
#include "card/columns.h"
#include "figures/columns.h"

namespace kestravo {

void computeWorkoutTotals(CardMatrix& m, int row) {
  const bool scratched = m.scratched(row);
  for (int w = 1; w <= kWorkouts; ++w) {
    if (scratched) {
      m.setText(row, col::kWKPTS.work(w), "0");
      continue;
    }
    // Track value first, as the totals have always been added: with extreme values the
    // order decides how the sum rounds.
    const long double total =
        m.value(row, col::kTrackValue.work(w)) + m.value(row, col::kWorkoutTimeFigure.work(w)) +
        m.value(row, col::kConditionValue.work(w)) + m.value(row, col::kDescriptionValue.work(w));
    m.setMasked(row, col::kWKPTS.work(w), "###", total);
  }
}

}  // namespace kestravo
