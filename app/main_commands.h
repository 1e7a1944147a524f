// The main window's command handler: opening a card, choosing a race, sorting the entries
// and the scratch command. It owns the lists' contents and the screen state, and drives
// the window only through MainView, so every command path can be run without a screen.
#pragma once

#include <string>
#include <vector>

#include "app/main_view.h"
#include "app/text_list.h"
#include "card/card.h"

namespace kestravo {

class MainCommands {
 public:
  static constexpr const char* kCaption = "    ZEDRIC'S KESTRAVO ODDS LINE CALCULATOR";
  // The caption of every message box.
  static constexpr const char* kMessageCaption = "KESTRAVO ODDS LINE";
  static constexpr const char* kFileLabelAtStart = "RACES WINDOW";

  MainCommands(Card& card, MainView& view);

  // A command from control `controlId` with notification code `code`. Returns false when
  // the control has no command or the command does not accept that code.
  bool command(int controlId, int code);
  // True when control `controlId` has a command (its button can be used).
  bool hasCommand(int controlId) const;
  // A click on a column title of EntriesList (0-based column). RaceDetailList, when it
  // shows the same horses, takes the same order, so the two lists line up row for row.
  void columnClicked(int controlId, int column);

  const TextList& list(int controlId) const;
  const std::vector<std::string>& races() const { return races_; }
  const std::string& dataFilePath() const { return card_.dataFilePath; }
  const std::string& dataFileShortName() const { return dataFileShortName_; }
  const std::string& selectedRace() const { return selectedRace_; }
  int listRowCount() const { return listRowCount_; }
  int sortToggle() const { return sortToggle_; }

 private:
  void openDataFile();
  void chooseRace();
  void scratchCommand();

  struct CommandRow;
  static const CommandRow* findCommand(int controlId);

  void clearList(int controlId);
  // Clears EntriesList or RaceDetailList and adds one row per card row.
  void fillList(int controlId, const std::vector<int>& rows);
  void addEntryRow(int row);
  void addRaceDetailRow(int row);
  void tellProblems(const std::vector<std::string>& messages);

  Card& card_;
  MainView& view_;
  std::vector<std::string> races_;
  TextList entries_;
  TextList raceDetail_;
  // The card row behind each row of EntriesList and of RaceDetailList.
  std::vector<int> entryRows_;
  std::vector<int> raceDetailRows_;
  std::string dataFileShortName_;
  std::string selectedRace_ = "0";
  int listRowCount_ = 0;
  int sortToggle_ = 0;
};

// The data file's name without its folder, as FileLabel shows it: SAR0812.DRF, or
// SAR0812_SCR.DRF with the marker, or any longer name whole.
std::string shortNameOf(const std::string& dataFilePath);

}  // namespace kestravo
