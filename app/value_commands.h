// The VALUE button and the odds the handicapper types from the board: the value window of
// the race shown stays open beside the main window, follows every race choice and is
// computed again after every change of scratches.
#pragma once

#include <string>
#include <string_view>

#include "app/main_screen.h"
#include "app/main_view.h"
#include "app/value_view.h"
#include "card/card.h"

namespace kestravo {

// VALUE: opens the value window (with no race chosen it shows only the LINE row).
void showValueWindow(Card& card, MainView& view, MainScreen& screen);

// The value view of the race shown, with the odds typed for this card.
ValueView shownValueView(const Card& card, const MainScreen& screen);

// The handicapper types `text` as the live odds of card row `row`; a blank text takes typed
// odds back, so the morning line counts again. Returns "" when taken, else why the text was
// refused, and then nothing changes.
std::string typeLiveOdds(MainScreen& screen, int row, std::string_view text);

// The value window's caption: the card's short name, then "VALUE" and the race shown.
std::string valueWindowCaption(const MainScreen& screen);

}  // namespace kestravo
