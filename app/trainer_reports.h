// Two trainer reports: the horses of the whole card whose trainer has an uncoupled entry in
// their race, and the key statistics of the chosen race's trainers, one line for every
// category in which a trainer wins often (20 % or more) or seldom (5 % or less).
//
// Both draw only. The commands around them are the caller's:
// - the uncoupled-trainer report follows the uncoupled-trainer angle list, as its last step;
// - the key-trainer report answers its button on notification code 0 only, and the caller
//   sets ViewLabel to "TRAINER STATS" before calling, whatever race is chosen.
// Opening either leaves any earlier report window open.
#pragma once

#include <string_view>

#include "card/card.h"
#include "reports/report_canvas.h"

namespace kestravo {

// Every horse of the card, in card order, marked as running for an uncoupled trainer and not
// scratched. Waits for a key at the end.
void drawUncoupledTrainers(const Card& card, std::string_view dataFileShortName,
                           ReportCanvas& canvas);

// The key-statistic lines of the race that `selectedRace` names; a value of 0 or less opens
// nothing. Waits for a key at the end.
void drawKeyTrainerStats(const Card& card, std::string_view selectedRace,
                         std::string_view dataFileShortName, ReportCanvas& canvas);

}  // namespace kestravo
