#include "app/angle_lists.h"
#include "cli/cli.h"
#include "cli/text_screen.h"

namespace kestravo::cli {

int angleCommand(Card& card, const Arguments& args, std::ostream& out) {
  TextScreen screen(card);
  screen.press(findAngleList(args.angle)->controlId);
  // A spreadsheet takes the list alone, its titles as the header row.
  if (!args.csv) out << screen.screen().viewLabel << '\n';
  printTable(out, screen.screen().entries, args.csv);
  return kExitDone;
}

}  // namespace kestravo::cli
