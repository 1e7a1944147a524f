#include "app/main_commands.h"

#include "app/command_table.h"
#include "app/controls.h"
#include "app/race_commands.h"
#include "app/value_commands.h"

namespace kestravo {

bool MainCommands::command(int controlId, int code) {
  return runCommand(card_, view_, screen_, controlId, code);
}

bool MainCommands::hasCommand(int controlId) { return findCommand(controlId) != nullptr; }

void MainCommands::columnClicked(int controlId, int column) {
  if (controlId == control::kEntriesList) sortEntries(view_, screen_, column);
}

ValueView MainCommands::valueView() const { return shownValueView(card_, screen_); }

std::string MainCommands::typeOdds(int row, std::string_view text) {
  return typeLiveOdds(screen_, row, text);
}

std::string MainCommands::valueCaption() const { return valueWindowCaption(screen_); }

}  // namespace kestravo
