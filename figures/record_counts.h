// How often a horse has done something in its last ten races: finished in the money at
// today's purse (ITMPURSE), won (WINS10), and lost a maiden race just like today's
// (MDNLOSS). The vulnerability points grade the three counts.
#pragma once

namespace kestravo {

class CardMatrix;

// ITMPURSE, WINS10 and MDNLOSS for one row. A count that finds nothing, and every count
// of a scratched horse, stays empty text.
void computeRecordCounts(CardMatrix& matrix, int row);

}  // namespace kestravo
