// Form marks: how many days ago the horse ran each of its three best speed figures, and the
// "F " mark of a young horse that ran its best figure two to twelve weeks ago, more recently
// than its second or third best and at least a point above the second: on the way up.
#pragma once

namespace kestravo {

class CardMatrix;

// Days from today back to the most recent race that produced BEST1, BEST2 and BEST3 ("####");
// when no race matches a best figure, the days back to the tenth race. Left empty for a
// scratched horse.
void computeDaysSinceBest(CardMatrix& matrix, int row);

// "F " or empty. Reads the days since the bests, so they are computed first.
void markForm(CardMatrix& matrix, int row);

}  // namespace kestravo
