#include "cli/text_screen.h"

#include "app/command_table.h"
#include "app/controls.h"
#include "app/race_commands.h"
#include "app/table_text.h"
#include "app/value_commands.h"

namespace kestravo::cli {

namespace {

void printRow(std::ostream& out, const std::vector<std::string>& cells) {
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) out << '\t';
    out << cells[i];
  }
  out << '\n';
}

}  // namespace

TextScreen::TextScreen(Card& card) : card_(card) { showRaces(card_, *this, screen_); }

void TextScreen::chooseRace(int race) {
  selectedRow_ = race - 1;
  runCommand(card_, *this, screen_, control::kRacesList, notify::kDoubleClicked);
}

void TextScreen::press(int controlId) {
  runCommand(card_, *this, screen_, controlId, notify::kClicked);
}

std::string TextScreen::typeOdds(int row, std::string_view text) {
  return typeLiveOdds(screen_, row, text);
}

void printList(std::ostream& out, const TextList& list) {
  printRow(out, list.titles);
  for (const TextRow& row : list.rows) printRow(out, row);
}

void printTable(std::ostream& out, const TextList& list, bool csv) {
  if (csv) {
    out << tableText(list, {}, TableFormat::kCsv);
  } else {
    printList(out, list);
  }
}

void printReport(std::ostream& out, const TextGrid& reports) {
  if (!reports.documents().empty()) out << reports.text() << '\n';
}

}  // namespace kestravo::cli
