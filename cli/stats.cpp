#include "app/controls.h"
#include "cli/cli.h"
#include "cli/text_screen.h"

namespace kestravo::cli {

int statsCommand(Card& card, const Arguments& args, std::ostream& out) {
  TextScreen screen(card);
  screen.chooseRace(args.race);
  screen.press(control::kStatistics);
  // A spreadsheet takes the list alone, its titles as the header row.
  if (!args.csv) out << screen.screen().viewLabel << '\n';
  printTable(out, screen.screen().entries, args.csv);
  return kExitDone;
}

}  // namespace kestravo::cli
