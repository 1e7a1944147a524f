// The commands that bring a card and a race onto the main window: opening a data file,
// choosing a race, the scratch window and sorting the entries by a column title.
#pragma once

#include "app/main_screen.h"
#include "app/main_view.h"
#include "card/card.h"

namespace kestravo {

// OPEN A DATA FILE: asks for a card, loads and computes it and lists its races.
void openDataFile(Card& card, MainView& view, MainScreen& screen);
// What an open shows of a loaded card: its races, one conditions line each, and its short
// name in FileLabel.
void showRaces(const Card& card, MainView& view, MainScreen& screen);
// A double-click on a races-list line: the race's runners in both entries lists.
void chooseRace(Card& card, MainView& view, MainScreen& screen);
// SCRATCH UNSCRATCH: the scratch window, then the card computed again.
void scratchCommand(Card& card, MainView& view, MainScreen& screen);
// A click on the title of EntriesList's column `column` (0-based). RaceDetailList, when it
// shows the same horses, takes the same order, so the two lists line up row for row.
void sortEntries(MainView& view, MainScreen& screen, int column);

}  // namespace kestravo
