// The horse's own weight and record: the change in weight since its last race (WTCHG) and
// its lifetime win percentage (LW%).
#pragma once

namespace kestravo {

class CardMatrix;

// WTCHG and LW% of one row.
void computeWeightAndRecord(CardMatrix& matrix, int row);

}  // namespace kestravo
