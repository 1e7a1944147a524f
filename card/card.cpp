#include "card/card.h"

#include "card/columns.h"

namespace kestravo {

int raceNumberOf(std::string_view raceField) {
  const long double r = cellValue(raceField);
  if (r < 1 || r > kMaxRaceNumber) return 0;
  const int race = static_cast<int>(r);
  return static_cast<long double>(race) == r ? race : 0;
}

int raceOf(const CardMatrix& matrix, int row) {
  return raceNumberOf(matrix.text(row, field::kRaceNumber));
}

int highestRace(const CardMatrix& matrix) {
  int highest = 0;
  for (int row = 1; row <= matrix.entryCount(); ++row) {
    const int race = raceOf(matrix, row);
    if (race > highest) highest = race;
  }
  return highest;
}

RaceRows rowsByRace(const CardMatrix& matrix, int raceCount) {
  RaceRows rows(static_cast<std::size_t>(raceCount < 0 ? 1 : raceCount + 1));
  for (int row = 1; row <= matrix.entryCount(); ++row) {
    const int race = raceOf(matrix, row);
    rows[race >= 1 && race <= raceCount ? static_cast<std::size_t>(race) : 0].push_back(row);
  }
  return rows;
}

void runningRows(const CardMatrix& matrix, std::size_t race, const std::vector<int>& rows,
                 std::vector<int>& running) {
  running.clear();
  if (race == 0) return;
  for (int row : rows) {
    if (!matrix.scratched(row)) running.push_back(row);
  }
}

}  // namespace kestravo
