// The rows of the race view: one EntriesList row per entry with its five ratings and its
// KOL price, and one RaceDetailList row with the figures of its picked past races.
#pragma once

#include <string>
#include <vector>

#include "app/text_list.h"
#include "card/card_matrix.h"

namespace kestravo {

const std::vector<std::string>& entriesListTitles();
const std::vector<std::string>& raceDetailListTitles();

// The cells AddEntryRow puts into EntriesList for card row `row`.
TextRow entryRowCells(const CardMatrix& matrix, int row);
// The cells AddRaceDetailRow puts into RaceDetailList for card row `row`.
TextRow raceDetailRowCells(const CardMatrix& matrix, int row);

// The card rows a race choice lists: the race's entries that are not scratched, in file
// order. `selectedRace` is the races-list text, read as a number; an empty line (a race
// with no entries) lists nothing.
std::vector<int> raceViewRows(const CardMatrix& matrix, const std::string& selectedRace);

}  // namespace kestravo
