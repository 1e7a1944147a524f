// The race conditions line of every race: number, distance in furlongs, surface, purse,
// race type, classification and the age and sex restrictions in words. It heads the
// races list and the past-performance report, and nothing in it depends on scratches.
#pragma once

#include <string>
#include <string_view>

#include "card/card.h"
#include "card/record_reader.h"

namespace kestravo {

// The age, qualifier and sex restriction of a code such as "BUN" or "AOF" in words.
std::string restrictionText(std::string_view code);

// The conditions line built from record `record` of a decoded data file.
std::string raceConditionsLine(const RecordTable& records, int record);

// Reads the card's bytes a second time (a zipped card from its archive) and fills
// card.raceLine for races 1..raceCount from each race's post-position-1 record (the last
// one when there are several); a race without one takes its first record, so every race
// can be chosen.
void buildRaceLines(Card& card);

}  // namespace kestravo
