// Calendar days for the sample card. A data file counts the days between races on the real
// calendar (leap days included), so the maker keeps every date as a day count from
// 1 January 1970 and turns it into YYYYMMDD text only when it writes a field.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kestravo::samplecard {

struct CivilDate {
  int year = 1970;
  int month = 1;
  int day = 1;
};

int daysFromCivil(CivilDate date);
CivilDate civilFromDays(int days);

// YYYYMMDD of a day count.
std::string dateText(int days);

// The day count of an eight-digit YYYYMMDD text naming a real calendar date; anything else
// (wrong length, letters, 20250230) gives nothing.
std::optional<int> parseDateText(std::string_view text);

}  // namespace kestravo::samplecard
