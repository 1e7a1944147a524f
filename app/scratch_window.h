// The scratch window's logic: every entry of the card with its scratch mark, and the
// double-click that flips a horse's mark in the scratch file at once. The card itself only
// changes at the load that closing the window starts.
#pragma once

#include <string>

#include "app/text_list.h"
#include "card/card.h"

namespace kestravo {

class ScratchWindow {
 public:
  static constexpr const char* kCaption =
      "SCRATCH WINDOW                                  DOUBLE CLICK TO SCRATCH/UNSCRATCH";
  static constexpr const char* kSaveButtonText = "SAVE AND CLOSE SCRATCH WINDOW";

  // Fills ScratchList from the card's scratch table, every entry scratched or not.
  explicit ScratchWindow(Card& card);

  const TextList& list() const { return list_; }

  // Flips the mark of every entry with the race and post position of list row `row`
  // (0-based; -1 for no selection matches nothing) and rewrites the scratch file. Marks
  // other than "" and "S" (a hand-edited file) are left alone. Returns the message to show
  // when the file could not be written, else "".
  std::string doubleClick(int row);

 private:
  Card& card_;
  TextList list_;
};

}  // namespace kestravo
