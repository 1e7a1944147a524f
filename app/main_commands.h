// The main window's command handler: the screen the commands share, and the command table
// that maps each control to its command. It drives the window only through MainView, so
// every command path can be run without a screen.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/main_screen.h"
#include "app/main_view.h"
#include "app/text_list.h"
#include "app/value_view.h"
#include "card/card.h"

namespace kestravo {

class MainCommands {
 public:
  static constexpr const char* kCaption = "    ZEDRIC'S KESTRAVO ODDS LINE CALCULATOR";

  MainCommands(Card& card, MainView& view) : card_(card), view_(view) {}

  // A command from control `controlId` with notification code `code`. Returns false when
  // the control has no command or the command does not accept that code.
  bool command(int controlId, int code);
  // True when control `controlId` has a command (its button can be used).
  static bool hasCommand(int controlId);
  // A click on a column title of EntriesList (0-based column).
  void columnClicked(int controlId, int column);

  const MainScreen& screen() const { return screen_; }
  const TextList& list(int controlId) const { return screen_.list(controlId); }
  const std::vector<std::string>& races() const { return screen_.races; }
  const std::string& dataFilePath() const { return card_.dataFilePath; }
  const std::string& dataFileShortName() const { return screen_.dataFileShortName; }
  const std::string& selectedRace() const { return screen_.selectedRace; }
  int listRowCount() const { return screen_.listRowCount; }
  int sortToggle() const { return screen_.sortToggle; }

  // The value window: the race shown against the odds typed so far, and the odds the
  // handicapper types for card row `row` ("" when taken, else why they were refused).
  ValueView valueView() const;
  std::string typeOdds(int row, std::string_view text);
  std::string valueCaption() const;

 private:
  Card& card_;
  MainView& view_;
  MainScreen screen_;
};

}  // namespace kestravo
