// A horse's speed in a few numbers: its three best SPD figures of the last ten races
// (BEST1, BEST2, BEST3), which the form mark and the past-performance screen use, and AV3,
// the average of its last three figures on the statistics list.
#pragma once

namespace kestravo {

class CardMatrix;

// BEST1, BEST2, BEST3, then AV3, for one row.
void computeSpeedSummaries(CardMatrix& matrix, int row);

}  // namespace kestravo
