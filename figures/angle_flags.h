// The angle flags: short marks on horses that fit a handicapping pattern (lowest weight
// carried, a trainer-jockey combination that wins and pays, a first try among maidens, a
// bullet work, a horse that broke after showing speed, and speed with an 80 figure).
#pragma once

namespace kestravo {

class CardMatrix;

// LW, TJ, FT, FW, BR and PR of one row, in that order. A scratched horse gets none.
void computeAngleFlags(CardMatrix& matrix, int row);

}  // namespace kestravo
