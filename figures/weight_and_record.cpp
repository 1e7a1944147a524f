#include "figures/weight_and_record.h"

#include "card/card_matrix.h"
#include "card/columns.h"
#include "card/fields.h"
#include "figures/columns.h"

namespace kestravo {

namespace {

// A change of weight means something only against a last race the horse ran with an early
// pace figure, and with both weights known.
void writeWTCHG(CardMatrix& m, int row) {
  const long double today = m.value(row, field::kWeight);
  const long double last = m.value(row, field::kPastWeight.race(1));
  if (m.value(row, col::kE1.race(1)) > 0 && today > 0 && last > 0 && !m.scratched(row)) {
    m.setMasked(row, col::kWTCHG, "###", today - last);
  } else {
    m.setText(row, col::kWTCHG, "NA");
  }
}

void writeLifetimeWinPercent(CardMatrix& m, int row) {
  const long double starts = m.value(row, field::kLifetimeRecord.starts());
  if (starts > 0 && !m.scratched(row)) {
    m.setMasked(row, col::kLW, "###", m.value(row, field::kLifetimeRecord.wins()) * 100 / starts);
  } else {
    m.setText(row, col::kLW, "0");
  }
}

}  // namespace

void computeWeightAndRecord(CardMatrix& m, int row) {
  writeWTCHG(m, row);
  writeLifetimeWinPercent(m, row);
}

}  // namespace kestravo
