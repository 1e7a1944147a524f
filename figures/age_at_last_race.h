// AGELR: the horse's age at its most recent race, from the race's year and the year of
// birth, both as two digits. A horse without a past race gets 0 less its year of birth.
#pragma once

namespace kestravo {

class CardMatrix;

// AGELR of one row; empty for a scratched horse.
void computeAGELR(CardMatrix& matrix, int row);

}  // namespace kestravo
