// Cards set up cell by cell for the figure tests: one row per horse, each given as the cells
// it needs, every other cell empty; and a column read back as the texts of all rows.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "card/card.h"
#include "card/card_matrix.h"

namespace kestravo::testing {

using Cells = std::vector<std::pair<int, std::string_view>>;

// The cells of `base` with `changes` after them: later cells of a column win in cardOf.
inline Cells with(Cells base, const Cells& changes) {
  base.insert(base.end(), changes.begin(), changes.end());
  return base;
}

inline CardMatrix cardOf(const std::vector<Cells>& rows) {
  CardMatrix m;
  m.reset(static_cast<int>(rows.size()));
  for (int row = 1; row <= m.entryCount(); ++row) {
    for (const auto& [column, text] : rows[static_cast<std::size_t>(row - 1)]) {
      m.setText(row, column, text);
    }
  }
  return m;
}

inline std::vector<std::string> columnTexts(const CardMatrix& m, int column) {
  std::vector<std::string> texts;
  for (int row = 1; row <= m.entryCount(); ++row) texts.emplace_back(m.text(row, column));
  return texts;
}

using Texts = std::vector<std::string>;

// Rows 1 to the last, for the steps that take the rows they work on.
inline std::vector<int> everyRow(const CardMatrix& m) {
  std::vector<int> rows;
  for (int row = 1; row <= m.entryCount(); ++row) rows.push_back(row);
  return rows;
}

// Entry R = the running rows of race R, as the load takes them race by race (entry 0 empty).
inline RaceRows runningRowsByRace(const CardMatrix& m, int raceCount) {
  const RaceRows every = rowsByRace(m, raceCount);
  RaceRows running(every.size());
  for (std::size_t race = 0; race < every.size(); ++race) {
    runningRows(m, race, every[race], running[race]);
  }
  return running;
}

// The runners of each race, counted as the load counts them.
inline RaceStarters startersByRace(const CardMatrix& m, int raceCount) {
  RaceStarters starters;
  for (const std::vector<int>& runners : runningRowsByRace(m, raceCount)) {
    starters.push_back(static_cast<int>(runners.size()));
  }
  return starters;
}

}  // namespace kestravo::testing
