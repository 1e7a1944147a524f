#include "app/list_rows.h"

#include "card/card.h"
#include "card/columns.h"
#include "format/mask.h"
#include "format/numeric.h"
#include "oddsline/columns.h"

namespace kestravo {

namespace {

struct Cell {
  int column;
  const char* mask;  // nullptr: shown as is
};

TextRow cells(const CardMatrix& m, int row, std::initializer_list<Cell> layout) {
  TextRow out;
  out.reserve(layout.size());
  for (const Cell& c : layout) {
    out.emplace_back(c.mask ? Format(c.mask, m.value(row, c.column))
                            : std::string(m.text(row, c.column)));
  }
  return out;
}

}  // namespace

const std::vector<std::string>& entriesListTitles() {
  static const std::vector<std::string> titles = {"RA",   "PP",    "PRG",  "HORSE", "SRLR",
                                                  "ACL3", "PRIME", "EPLR", "LPLR",  "KOL"};
  return titles;
}

const std::vector<std::string>& raceDetailListTitles() {
  static const std::vector<std::string> titles = {
      "RA", "PP", "PR", "HORSE", "ML", "S", "D", "E1", "E2", "LATE", "FIN", "FBL", "CLS$", "SPD"};
  return titles;
}

TextRow entryRowCells(const CardMatrix& m, int row) {
  return cells(m, row,
               {{field::kRaceNumber, "##"},
                {field::kPostPosition, "##"},
                {field::kProgramNumber, nullptr},
                {field::kHorseName, nullptr},
                {field::kPastSpeed.race(1), "###"},
                {col::kACL3, "###"},
                {field::kPrime, "###"},
                {col::kEPLR, "###"},
                {field::kPastLate.race(1), "###"},
                {col::kKOL, nullptr}});
}

TextRow raceDetailRowCells(const CardMatrix& m, int row) {
  return cells(m, row,
               {{field::kRaceNumber, "##"},
                {field::kPostPosition, "##"},
                {field::kProgramNumber, nullptr},
                {field::kHorseName, nullptr},
                {field::kMorningLine, "##.#"},
                {col::kPickedSurface, nullptr},
                {col::kPickedDistance, nullptr},
                {col::kPickedE1, nullptr},
                {col::kPickedE2, nullptr},
                {col::kPickedLate, nullptr},
                {col::kPickedFinish, nullptr},
                {col::kPickedBeaten, nullptr},
                {col::kPickedClass, nullptr},
                {col::kPickedSpeed, nullptr}});
}

std::vector<int> raceViewRows(const CardMatrix& m, const std::string& selectedRace) {
  // Entries in no race are never listed, not even under a race line that is empty.
  const long double race = numericValue(selectedRace);
  std::vector<int> rows;
  if (!(race >= 1)) return rows;
  for (int row = 1; row <= m.entryCount(); ++row) {
    if (raceOf(m, row) == race && !m.scratched(row)) rows.push_back(row);
  }
  return rows;
}

}  // namespace kestravo
