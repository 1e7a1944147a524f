#include "app/angle_lists.h"
#include "cli/cli.h"
#include "cli/text_screen.h"

namespace kestravo::cli {

int angleCommand(Card& card, const Arguments& args, std::ostream& out) {
  TextScreen screen(card);
  screen.press(findAngleList(args.angle)->controlId);
  out << screen.screen().viewLabel << '\n';
  printList(out, screen.screen().entries);
  return kExitDone;
}

}  // namespace kestravo::cli
