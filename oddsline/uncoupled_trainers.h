// Uncoupled trainers: a trainer who sends out two or more runners in a race that bet
// separately (different program numbers, not a coupled 1 and 1A) may be using one to set up
// the other. Each such runner carries the "UT " mark.
#pragma once

#include "card/card.h"

namespace kestravo {

// Marks every runner of `races` whose trainer (the exact text) has another runner in the
// race under a different program number, and with it every row of `rows`, scratched ones
// included, that carries the same race-number and horse-name texts. Scratched runners
// neither mark nor are tested. `rows` holds every row of the races of `races`.
void markUncoupledTrainers(CardMatrix& matrix, const RaceRows& races, const std::vector<int>& rows);

}  // namespace kestravo
