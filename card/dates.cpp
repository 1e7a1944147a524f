#include "card/dates.h"

#include <array>
#include <utility>

#include "card/card_matrix.h"
#include "card/columns.h"
#include "format/numeric.h"

namespace kestravo {

namespace {

// These offsets are the table's own and are used as they stand, not recomputed from the
// calendar: figures of earlier cards were made with them.
constexpr std::array<int, 32> kYearOffsets = {0,    366,  731,  1096, 1462,  1827,  2192,  2557,
                                              2923, 3288, 3653, 4018, 4384,  4749,  5114,  5480,
                                              5845, 6210, 6575, 6940, 7306,  7671,  8037,  8402,
                                              8768, 9133, 9498, 9863, 10229, 10594, 10959, 11324};
constexpr int kFirstYear = 2004;

constexpr std::array<int, 12> kMonthOffsets = {0,   31,  59,  90,  120, 151,
                                               181, 212, 243, 273, 304, 334};

// Two or four ASCII digits exactly, as the tables key on the text itself.
int digitsValue(std::string_view text, std::size_t width) {
  if (text.size() != width) return -1;
  int v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return -1;
    v = v * 10 + (c - '0');
  }
  return v;
}

// Field 224 (days since the last race) then the nine gaps between past races.
constexpr int spacingField(int j) {
  return j == 1 ? field::kDaysSinceLastRace : field::kPastDayGap.race(j - 1);
}

}  // namespace

int yearOffset(std::string_view year) {
  const int y = digitsValue(year, 4);
  if (y < kFirstYear || y >= kFirstYear + static_cast<int>(kYearOffsets.size())) return 0;
  return kYearOffsets[static_cast<std::size_t>(y - kFirstYear)];
}

int monthOffset(std::string_view month) {
  const int m = digitsValue(month, 2);
  if (m < 1 || m > 12) return 0;
  return kMonthOffsets[static_cast<std::size_t>(m - 1)];
}

long long dayNumber(std::string_view date) {
  const std::string_view year = date.substr(0, 4);
  const std::string_view month = date.size() > 4 ? date.substr(4, 2) : std::string_view();
  const std::string_view day = date.size() > 2 ? date.substr(date.size() - 2) : date;
  return monthOffset(month) + yearOffset(year) + roundHalfEven(cellValue(day));
}

void computeDates(CardMatrix& matrix, int row) {
  for (int j = 1; j <= kPastRaces; ++j) {
    matrix.setText(row, col::kDaysSincePast.race(j), matrix.text(row, spacingField(j)));
  }
  for (int j = 1; j <= kPastRaces; ++j) {
    matrix.setText(row, col::kPastRaceExists.race(j),
                   matrix.value(row, spacingField(j)) > 0 ? "1" : "0");
  }
  matrix.setWhole(row, col::kRaceDayNumber, dayNumber(matrix.text(row, field::kRaceDate)));
  if (matrix.scratched(row)) {
    for (int w = 1; w <= kWorkouts; ++w) matrix.setText(row, col::kWorkoutDays.work(w), "");
    return;
  }
  const long long raceDay = roundHalfEven(matrix.value(row, col::kRaceDayNumber));
  for (int w = 1; w <= kWorkouts; ++w) {
    const long long worked = dayNumber(matrix.text(row, field::kWorkoutDate.work(w)));
    matrix.setWhole(row, col::kWorkoutDays.work(w), raceDay - worked);
  }
}

}  // namespace kestravo
