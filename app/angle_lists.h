// The angle lists: every horse of the whole card that fits one handicapping angle, in card
// order with its race number, so the handicapper sees at a glance which races hold a
// vulnerable favourite, a trainer-jockey combination or a horse that breaks well.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/controls.h"
#include "app/main_screen.h"
#include "app/main_view.h"
#include "card/card.h"
#include "figures/columns.h"
#include "oddsline/columns.h"

namespace kestravo {

// A mark the figures leave in a card column, compared whole ("LW " with its blank).
struct AngleMark {
  int column;
  std::string_view text;
};

struct AngleList {
  int controlId;
  std::string_view title;  // shown in ViewLabel
  // True when the command closes the newest report window before it fills the list.
  bool closesReport;
  // The mark that puts a horse on the list; none for the vulnerable favourite, which is
  // told by its figures.
  std::optional<AngleMark> mark;
};

inline constexpr AngleList kAngleLists[] = {
    {control::kVulnerableFavorite, "VULNERABLE FAVORITE", true, std::nullopt},
    {control::kLowestWeight, "LOWEST WEIGHT CARRIED", true,
     AngleMark{col::kLowestWeightFlag, "LW "}},
    {control::kTrainerJockey, "TRAINER JOCKEY COMBO", true,
     AngleMark{col::kTrainerJockeyFlag, "TJ "}},
    {control::kFirstTimeMaiden, "FIRST TIME MAIDEN", true,
     AngleMark{col::kFirstTimeMaidenFlag, "FT "}},
    {control::kUncoupledTrainers, "UNCOUPLED TRAINERS", false,
     AngleMark{col::kUncoupledTrainerMark, "UT "}},
    {control::kBestWorkouts, "BEST WORKOUTS", false, AngleMark{col::kBestWorkoutsFlag, "FW "}},
    {control::kBreak, "BREAK", false, AngleMark{col::kBreakFlag, "BR "}},
    {control::kPowerPlay, "POWER PLAY 80", false, AngleMark{col::kPowerPlayFlag, "PR "}},
    {control::kFormula, "FORMULA", true, AngleMark{col::kFormMark, "F "}},
};

constexpr const AngleList* findAngleList(int controlId) {
  for (const AngleList& angle : kAngleLists) {
    if (angle.controlId == controlId) return &angle;
  }
  return nullptr;
}

// The angle's name on the command line: its title in lower case with hyphens for blanks
// ("vulnerable-favorite").
std::string angleName(const AngleList& angle);
// The angle a command line names by its control id or its name; null for none.
const AngleList* findAngleList(std::string_view idOrName);

// True when the horse of card row `row` fits the angle, scratched or not.
bool fitsAngle(const AngleList& angle, const CardMatrix& matrix, int row);

// The angle's list: ViewLabel shows its title and EntriesList every horse of the card that
// fits it and is not scratched, in card order.
void showAngleList(const AngleList& angle, Card& card, MainView& view, MainScreen& screen);

// The command of an angle's button.
template <int controlId>
void angleCommand(Card& card, MainView& view, MainScreen& screen) {
  static_assert(findAngleList(controlId) != nullptr, "no angle list for this control");
  showAngleList(*findAngleList(controlId), card, view, screen);
}

// UNCOUPLED TRAINERS: with a card open, the angle's list and then the report of those
// horses with their trainers.
void uncoupledTrainersCommand(Card& card, MainView& view, MainScreen& screen);

}  // namespace kestravo
