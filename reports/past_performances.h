// The past-performance screen of one race: for every horse still in it, in card order, its
// identification, records, last ten races, best speed figures and speed chart, QUENTAR
// STRIKE rating, last twelve workouts and the statistics of its trainer and jockey.
#pragma once

#include <string_view>

#include "card/card.h"
#include "reports/report_canvas.h"

namespace kestravo {

// Draws the screen of the race that `selectedRace` (the races list's text) names, in a new
// window captioned with the data file's short name. A value of 0 or less opens nothing. The
// screen does not wait for a key.
void drawPastPerformances(const Card& card, std::string_view selectedRace,
                          std::string_view dataFileShortName, ReportCanvas& canvas);

// Where a past race's arrow starts on the speed chart: SPD / 4 + 38 as "###" shows it, so
// faster races start further right; never beyond the report's width.
int speedChartColumn(long double speedFigure);

}  // namespace kestravo
