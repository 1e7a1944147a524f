#include "tools/samplecard/calendar.h"

#include <cstdio>

namespace kestravo::samplecard {

namespace {

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

}  // namespace

// Counted in eras of 400 years from 1 March, so that February's leap day falls at the end of
// the counting year.
int daysFromCivil(CivilDate date) {
  const int year = date.month <= 2 ? date.year - 1 : date.year;
  const int era = (year >= 0 ? year : year - 399) / 400;
  const int yearOfEra = year - era * 400;
  const int dayOfYear = (153 * (date.month + (date.month > 2 ? -3 : 9)) + 2) / 5 + date.day - 1;
  const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

CivilDate civilFromDays(int days) {
  const int z = days + 719468;
  const int era = (z >= 0 ? z : z - 146096) / 146097;
  const int dayOfEra = z - era * 146097;
  const int yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int shiftedMonth = (5 * dayOfYear + 2) / 153;
  CivilDate date;
  date.day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
  date.month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
  date.year = yearOfEra + era * 400 + (date.month <= 2 ? 1 : 0);
  return date;
}

std::string dateText(int days) {
  const CivilDate date = civilFromDays(days);
  char text[16];
  std::snprintf(text, sizeof text, "%04d%02d%02d", date.year, date.month, date.day);
  return text;
}

std::optional<int> parseDateText(std::string_view text) {
  if (text.size() != 8) return std::nullopt;
  int digits[8];
  for (std::size_t i = 0; i < 8; ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    digits[i] = text[i] - '0';
  }
  CivilDate date;
  date.year = digits[0] * 1000 + digits[1] * 100 + digits[2] * 10 + digits[3];
  date.month = digits[4] * 10 + digits[5];
  date.day = digits[6] * 10 + digits[7];
  if (date.month < 1 || date.month > 12) return std::nullopt;
  if (date.day < 1 || date.day > daysInMonth(date.year, date.month)) return std::nullopt;
  return daysFromCivil(date);
}

}  // namespace kestravo::samplecard
