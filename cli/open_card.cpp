#include "cli/open_card.h"

#include "app/load_card.h"

namespace kestravo::cli {

bool openCardForCli(const std::string& path, const std::string& member, Card& card,
                    std::ostream& err) {
  card.dataFilePath = path;
  card.archiveMember = member;
  const LoadProblems problems = openCard(card);
  for (const std::string& message : problems.messages) err << "kestravo-cli: " << message << '\n';
  if (!problems.cardChoices.empty()) {
    err << "choose one with --card NAME:\n";
    for (const std::string& name : problems.cardChoices) err << "  " << name << '\n';
  }
  // Printing a card without its scratches would pass off a wrong odds line as the right one.
  return problems.dataFileRead && problems.scratchFileRead;
}

}  // namespace kestravo::cli
