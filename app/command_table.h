// The main window's commands by control id: the notification codes each one answers and
// what it does, as a function of the card, the view and the screen. Each family of
// commands lives in a file of its own: race choice and scratches, angle lists, the
// statistics list, and the reports.
#pragma once

#include <span>

#include "app/main_screen.h"
#include "app/main_view.h"
#include "card/card.h"

namespace kestravo {

using CommandAction = void (*)(Card& card, MainView& view, MainScreen& screen);

struct CommandRow {
  int controlId;
  unsigned codes;  // bit c set: the command answers notification code c
  CommandAction action;

  bool accepts(int code) const;
};

std::span<const CommandRow> commandTable();
// The row of control `controlId`, or null when the control has no command.
const CommandRow* findCommand(int controlId);

// Runs the command of control `controlId` for notification code `code`. False when the
// control has no command or the command does not answer that code.
bool runCommand(Card& card, MainView& view, MainScreen& screen, int controlId, int code);

}  // namespace kestravo
