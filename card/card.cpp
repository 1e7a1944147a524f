#include "card/card.h"

#include "card/columns.h"

namespace kestravo {

int raceNumberOf(std::string_view raceField) {
  const long double r = numericValue(raceField);
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

RaceRows runningRowsByRace(const CardMatrix& matrix, int raceCount) {
  RaceRows rows(static_cast<std::size_t>(raceCount < 0 ? 1 : raceCount + 1));
  for (int row = 1; row <= matrix.entryCount(); ++row) {
    const int race = raceOf(matrix, row);
    if (race >= 1 && race <= raceCount && !matrix.scratched(row)) {
      rows[static_cast<std::size_t>(race)].push_back(row);
    }
  }
  return rows;
}

RaceRows rowsByRace(const CardMatrix& matrix, int raceCount) {
  RaceRows rows(static_cast<std::size_t>(raceCount < 0 ? 1 : raceCount + 1));
  for (int row = 1; row <= matrix.entryCount(); ++row) {
    const int race = raceOf(matrix, row);
    rows[race >= 1 && race <= raceCount ? static_cast<std::size_t>(race) : 0].push_back(row);
  }
  return rows;
}

RaceStarters countRaceStarters(const RaceRows& races) {
  RaceStarters starters;
  starters.reserve(races.size());
  for (const auto& race : races) starters.push_back(static_cast<int>(race.size()));
  return starters;
}

}  // namespace kestravo
