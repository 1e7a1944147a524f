// Points for how a workout was run: the surface it was run over (good, sloppy and heavy
// going slow a work down) and how the horse was asked (breezing and gate works earn more
// than handily). The workout total adds both to the work's time figure and track value.
#pragma once

#include <string_view>

namespace kestravo {

class CardMatrix;

// The points of a track condition ("ft", "gd", "sl", "hy"), compared exactly as written.
std::string_view conditionValue(std::string_view condition);
// The points of a description ("H", "B", "B D", "g", "Bg"), compared with its blanks removed.
std::string_view descriptionValue(std::string_view description);

// The condition and description values of workout w (1 to 12) of a row; a scratched horse's
// works count "0".
void computeConditionValue(CardMatrix& matrix, int row, int w);
void computeDescriptionValue(CardMatrix& matrix, int row, int w);

}  // namespace kestravo
