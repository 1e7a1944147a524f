#include "app/value_commands.h"

#include "format/text.h"

namespace kestravo {

void showValueWindow(Card&, MainView& view, MainScreen&) { view.showValueWindow(); }

ValueView shownValueView(const Card& card, const MainScreen& screen) {
  return valueView(card.matrix, screen.selectedRace, screen.liveOdds);
}

std::string typeLiveOdds(MainScreen& screen, int row, std::string_view text) {
  if (trimBlanks(text).empty()) {
    screen.liveOdds.erase(row);
    return {};
  }
  std::string refusal;
  const std::optional<long double> odds = parseOdds(text, &refusal);
  if (!odds) return refusal;
  screen.liveOdds[row] = *odds;
  return {};
}

std::string valueWindowCaption(const MainScreen& screen) {
  std::string caption =
      screen.dataFileShortName.empty() ? std::string("KESTRAVO") : screen.dataFileShortName;
  caption += "   VALUE";
  if (!screen.raceLabel.empty()) caption += "   " + screen.raceLabel;
  return caption;
}

}  // namespace kestravo
