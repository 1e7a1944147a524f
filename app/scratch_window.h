// The scratch window's logic: every entry of the card with its scratch mark, and the
// double-click that flips a horse's mark in the scratch file at once. The card itself only
// changes at the load that closing the window starts.
#pragma once

#include <string>
#include <string_view>

#include "app/text_list.h"
#include "card/card.h"

namespace kestravo {

class ScratchWindow {
 public:
  static constexpr const char* kCaption =
      "SCRATCH WINDOW                                  DOUBLE CLICK TO SCRATCH/UNSCRATCH";
  static constexpr const char* kSaveButtonText = "SAVE AND CLOSE SCRATCH WINDOW";

  // Fills ScratchList from the card's scratch table, every entry scratched or not.
  // `selectedRace` is the race the main window shows ("0" for none).
  explicit ScratchWindow(Card& card, std::string_view selectedRace = "0");

  const TextList& list() const { return list_; }

  // The row of the first entry of the race the main window shows, where the window opens;
  // -1 when no race is shown or it has no entry.
  int startRow() const { return startRow_; }

  // Why no mark can be flipped, "" when marks can be flipped: a scratch file that exists
  // but could not be read may hold marks this load never saw, and rewriting it would lose
  // them.
  const std::string& refusal() const { return refusal_; }

  // Flips the mark of every entry with the race and post position of list row `row`
  // (0-based; -1 for no selection matches nothing) and rewrites the scratch file. Marks
  // other than "" and "S" (a hand-edited file) are left alone. When the file cannot be
  // written the flip is undone, so the list always shows what the file holds. Returns the
  // message to show when nothing could be saved, else "".
  std::string doubleClick(int row);

 private:
  Card& card_;
  TextList list_;
  int startRow_ = -1;
  std::string refusal_;
};

}  // namespace kestravo
