#include "cli/open_card.h"

#include "app/load_card.h"

namespace kestravo::cli {

bool openCardForCli(const std::string& path, Card& card, std::ostream& err) {
  card.dataFilePath = path;
  const LoadProblems problems = openCard(card);
  for (const std::string& message : problems.messages) err << "kestravo-cli: " << message << '\n';
  // Printing a card without its scratches would pass off a wrong odds line as the right one.
  return problems.dataFileRead && problems.scratchFileRead;
}

}  // namespace kestravo::cli
