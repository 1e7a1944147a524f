// The track table: each known workout track carries a small adjustment that the workout
// total adds to the work's time figure, so a work is judged against how fast its track
// usually runs. The training tracks of two tracks, named by the work's indicator, have values
// of their own.
#pragma once

#include <string_view>

namespace kestravo {

class CardMatrix;

// The value text of a workout's track ("12", "-2"), "0" for a track not in the table.
// `code` is compared with its blanks removed, `indicator` exactly as it stands.
std::string_view trackValue(std::string_view code, std::string_view indicator);

// The track value of workout w (1 to 12) of a row; a scratched horse's works count "0".
void computeTrackValue(CardMatrix& matrix, int row, int w);

}  // namespace kestravo
