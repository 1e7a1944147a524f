// The records of the chosen race's horses: for each horse its identification and nine of its
// records (lifetime, the two years, distance, track, dirt, turf, all-weather and wet track)
// with their win percentages, the handicapper's quick look at who has won where.
//
// It draws only; the caller answers the button on notification codes 0 and 1 and leaves
// ViewLabel as it is. Opening it leaves any earlier report window open.
#pragma once

#include <string_view>

#include "card/card.h"
#include "reports/report_canvas.h"

namespace kestravo {

// The report of the race that `selectedRace` names; a value of 0 or less opens nothing. It
// does not wait for a key.
void drawHorseRecords(const Card& card, std::string_view selectedRace,
                      std::string_view dataFileShortName, ReportCanvas& canvas);

}  // namespace kestravo
