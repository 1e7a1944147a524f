// Figures of the past races the handicapper picked as representative (the pick flags kept
// in the scratch file): average pace and speed figures over the picks and, when exactly one
// race is picked, that race's surface, distance, finish, beaten lengths and class.
#pragma once

namespace kestravo {

class CardMatrix;

void computePickedRaces(CardMatrix& matrix, int row);

}  // namespace kestravo
