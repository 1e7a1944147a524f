// The report buttons of the chosen race: its past performances with the trainer and jockey
// statistics, the key statistics of its trainers and the records of its horses. Each opens
// a new report window beside any earlier one; with no race chosen none opens.
#pragma once

#include "app/main_screen.h"
#include "app/main_view.h"
#include "card/card.h"

namespace kestravo {

void showPastPerformances(Card& card, MainView& view, MainScreen& screen);
// ViewLabel says "TRAINER STATS" whether or not a race is chosen.
void showKeyTrainerStats(Card& card, MainView& view, MainScreen& screen);
void showHorseRecords(Card& card, MainView& view, MainScreen& screen);

}  // namespace kestravo
