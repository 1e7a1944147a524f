// How a horse comes into today's race off its last start and its recent works: F23 for a
// horse second or third last time, RR for a first-time starter's last two works, SEL for
// the horses it beat when back quickly, and READY, the layoff-and-works code that the
// vulnerability points grade.
#pragma once

namespace kestravo {

class CardMatrix;

// Closes entry pass 2 for one row: reads the day counts of the first pass and the data
// fields, writes F23, RR, SEL and READY.
void computeReadiness(CardMatrix& matrix, int row);

}  // namespace kestravo
