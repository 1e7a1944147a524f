// Race-day numbers and day counts. Dates come as YYYYMMDD texts and are counted in days
// from 1 January 2004 with two fixed tables, exactly as the figures that depend on them
// were first made (so 2008 starts on day 1462 and February always has 28 days).
#pragma once

#include <string_view>

namespace kestravo {

class CardMatrix;

// Day offset of a year text "2004".."2035"; any other text gives 0.
int yearOffset(std::string_view year);
// Day offset of a month text "01".."12"; any other text gives 0.
int monthOffset(std::string_view month);
// Year offset + month offset + the last two characters as a number. A shorter text
// uses the characters it has.
long long dayNumber(std::string_view date);

// Entry pass 1's date work for one row: spacing copies, activity flags, the race-day
// number and the age in days of each workout (empty for a scratched horse).
void computeDates(CardMatrix& matrix, int row);

}  // namespace kestravo
