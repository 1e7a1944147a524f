#include "card/card.h"
#include "cli/cli.h"
#include "cli/open_card.h"
#include "format/text.h"

namespace kestravo::cli {

int racesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1) {
    err << "usage: kestravo-cli races CARD\n";
    return kExitUsage;
  }
  Card card;
  if (!openCardForCli(args[0], card, err)) return kExitFileProblem;
  for (int r = 1; r <= card.raceCount; ++r) {
    out << withoutTrailingBlanks(card.raceLine[static_cast<std::size_t>(r)]) << '\n';
  }
  return kExitDone;
}

}  // namespace kestravo::cli
