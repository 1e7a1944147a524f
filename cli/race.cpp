#include "app/list_rows.h"
#include "card/card.h"
#include "cli/cli.h"
#include "cli/open_card.h"

namespace kestravo::cli {

namespace {

// Cells exactly as the lists show them, joined by tabs.
void printRow(std::ostream& out, const std::vector<std::string>& cells) {
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) out << '\t';
    out << cells[i];
  }
  out << '\n';
}

}  // namespace

bool parseRaceNumber(const std::string& text, int& race) {
  if (text.empty() || text.size() > 2) return false;
  race = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    race = race * 10 + (c - '0');
  }
  return race >= 1;
}

int raceCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  int race = 0;
  if (args.size() != 2 || !parseRaceNumber(args[1], race)) {
    err << "usage: kestravo-cli race CARD R   (R: a race number of the card)\n";
    return kExitUsage;
  }
  Card card;
  if (!openCardForCli(args[0], card, err)) return kExitFileProblem;
  if (race > card.raceCount) {
    err << "kestravo-cli: the card has no race " << race << " (races 1 to " << card.raceCount
        << ")\n";
    return kExitUsage;
  }
  // The race is chosen by its line's first two characters, as a double-click does.
  const std::string selectedRace = card.raceLine[static_cast<std::size_t>(race)].substr(0, 2);
  const std::vector<int> rows = raceViewRows(card.matrix, selectedRace);
  printRow(out, entriesListTitles());
  for (int row : rows) printRow(out, entryRowCells(card.matrix, row));
  out << '\n';
  printRow(out, raceDetailListTitles());
  for (int row : rows) printRow(out, raceDetailRowCells(card.matrix, row));
  return kExitDone;
}

}  // namespace kestravo::cli
