#include "app/controls.h"
#include "cli/cli.h"
#include "cli/text_screen.h"

namespace kestravo::cli {

int statsCommand(Card& card, const Arguments& args, std::ostream& out) {
  TextScreen screen(card);
  screen.chooseRace(args.race);
  screen.press(control::kStatistics);
  out << screen.screen().viewLabel << '\n';
  printList(out, screen.screen().entries);
  return kExitDone;
}

}  // namespace kestravo::cli
