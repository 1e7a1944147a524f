// The QUENTAR STRIKE rating: one current-form number per horse, the figure of its freshest
// piece of form (a recent workout's total or its last race's distance-par figure), with a
// label saying which and how many days ago; and the "Q" mark of a last race that qualifies.
#pragma once

namespace kestravo {

class CardMatrix;

// "Q" when the last race was within 90 days, the horse beat at least one rival, and the
// race was comparable to today's by distance, purse or beaten lengths; empty otherwise and
// for a scratched horse.
void markQualified(CardMatrix& matrix, int row);

// The rating (copied as text from the workout total or the distance-par figure it takes)
// and its label ("W" or "R", a blank, the days in "###"); "0" and no label when no rule
// holds. Reads the "Q" mark, so that is set first.
void rateQuentarStrike(CardMatrix& matrix, int row);

}  // namespace kestravo
