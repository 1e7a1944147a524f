// Ranking within a race, the one procedure behind every category rank and the points rank:
// rounded values, largest first, ties sharing the better rank.
#pragma once

#include <vector>

#include "card/card.h"

namespace kestravo {

// Ranks of `values` (one per starter that is not scratched): the 1-based position of the
// first slot of the descending list of rounded values that equals the value's own rounded
// value; 0 (no rank) for a value that is 0 or less. So 90, 90 and 85 rank 1, 1 and 3, and
// 88.4 and 88.2 share a rank.
std::vector<int> rankValues(const std::vector<long double>& values);

// Ranks column `valueColumn` within every race into `rankColumn` ("##"). Only the running
// rows of `races` take part: scratched entries and entries in no race stay unranked.
void rankWithinRace(CardMatrix& matrix, const RaceRows& races, int valueColumn, int rankColumn);

}  // namespace kestravo
