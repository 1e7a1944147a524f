// The race conditions line of every race: number, distance in furlongs, surface, purse,
// race type, classification and the age and sex restrictions in words. It heads the
// races list and the past-performance report, and nothing in it depends on scratches.
#pragma once

#include <string>
#include <string_view>

#include "card/card.h"

namespace kestravo {

// The age, qualifier and sex restriction of a code such as "BUN" or "AOF" in words.
std::string restrictionText(std::string_view code);

// The conditions line built from the data-file fields of entry `row`.
std::string raceConditionsLine(const CardMatrix& matrix, int row);

// Fills card.raceLine for races 1..raceCount from each race's post-position-1 record (the
// last one when there are several); a race without one takes its first record, so every
// race can be chosen. The lines rest only on data-file fields, which a load keeps as the
// file holds them, so the card just loaded is read rather than the file a second time.
void buildRaceLines(Card& card);

}  // namespace kestravo
