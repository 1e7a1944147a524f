// What each of a horse's last twelve works was worth: its time figure plus the values of
// the track, the going and the way it was worked. The strike rating reads the last two
// and the past-performance screen shows every one under TOT.
#pragma once

namespace kestravo {

class CardMatrix;

// WKPTS of workouts 1 to 12 for one row; reads the workout values of entry pass 2.
void computeWorkoutTotals(CardMatrix& matrix, int row);

}  // namespace kestravo
