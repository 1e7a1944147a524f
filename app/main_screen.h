// What the main window shows between two commands: its labels, the races list, the two
// entries lists with the card row behind each of their rows, and the state the commands
// share (the data file's short name, the race shown, the sort direction). Every command
// changes it through the helpers below, which pass each change on to the view.
#pragma once

#include <string>
#include <vector>

#include "app/list_rows.h"
#include "app/main_view.h"
#include "app/text_list.h"
#include "app/value_view.h"
#include "card/card.h"

namespace kestravo {

struct MainScreen {
  static constexpr const char* kFileLabelAtStart = "RACES WINDOW";

  std::string fileLabel = kFileLabelAtStart;
  std::string raceLabel;
  std::string viewLabel;
  std::vector<std::string> races;
  TextList entries{entriesListTitles(), {}};
  TextList raceDetail{raceDetailListTitles(), {}};
  std::vector<int> entryRows;
  std::vector<int> raceDetailRows;
  std::string dataFileShortName;
  // The first two characters of the chosen races-list line (" 7", "12"); "0" for none.
  std::string selectedRace = "0";
  // Rows the current fill has put into EntriesList.
  int listRowCount = 0;
  // 1 when the next title click sorts descending; shared by every column, never reset.
  int sortToggle = 0;
  // Odds typed in the value window, by card row: they hold for the card open and no file
  // keeps them.
  LiveOdds liveOdds;

  // The EntriesList or the RaceDetailList.
  TextList& list(int controlId);
  const TextList& list(int controlId) const;
};

// The data file's name without its folder, as FileLabel shows it: SAR0812.DRF, or
// SAR0812_SCR.DRF with the marker, or any longer name whole.
std::string shortNameOf(const std::string& dataFilePath);
// What FileLabel and the report captions call the card: the data file's short name, or for
// a zipped card the card's name with the archive's after it, "SAR0812.DRF (CARDS.zip)".
std::string cardShortName(const Card& card);

void setLabel(MainView& view, MainScreen& screen, int controlId, const std::string& text);
// Deletes every row of EntriesList or RaceDetailList.
void clearList(MainView& view, MainScreen& screen, int controlId);
// Appends card row `row` to EntriesList with the ten standard titles, which a statistics
// list may have replaced. The caller counts listRowCount.
void addEntryRow(const Card& card, MainScreen& screen, int row);
void addRaceDetailRow(const Card& card, MainScreen& screen, int row);
// Clears EntriesList or RaceDetailList and adds one row per card row of `rows`.
void fillList(const Card& card, MainView& view, MainScreen& screen, int controlId,
              const std::vector<int>& rows);
// One message box for each problem of a load.
void tellProblems(MainView& view, const std::vector<std::string>& messages);

}  // namespace kestravo
