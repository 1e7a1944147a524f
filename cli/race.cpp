#include "app/controls.h"
#include "cli/cli.h"
#include "cli/text_screen.h"

namespace kestravo::cli {

bool parseRaceNumber(const std::string& text, int& race) {
  if (text.empty() || text.size() > 2) return false;
  race = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    race = race * 10 + (c - '0');
  }
  return race >= 1;
}

int raceCommand(Card& card, const Arguments& args, std::ostream& out) {
  TextScreen screen(card);
  screen.chooseRace(args.race);
  // Both lists one after the other, an empty line between, in either form.
  printTable(out, screen.screen().entries, args.csv);
  out << (args.csv ? "\r\n" : "\n");
  printTable(out, screen.screen().raceDetail, args.csv);
  return kExitDone;
}

}  // namespace kestravo::cli
