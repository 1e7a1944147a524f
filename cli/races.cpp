#include "card/card.h"
#include "cli/cli.h"
#include "format/text.h"

namespace kestravo::cli {

int racesCommand(Card& card, const Arguments&, std::ostream& out) {
  for (int r = 1; r <= card.raceCount; ++r) {
    out << withoutTrailingBlanks(card.raceLine[static_cast<std::size_t>(r)]) << '\n';
  }
  return kExitDone;
}

}  // namespace kestravo::cli
