// The reports of the report buttons, drawn on a text grid by the same code that draws them
// in the desktop program's report windows.
#include "app/controls.h"
#include "cli/cli.h"
#include "cli/text_screen.h"

namespace kestravo::cli {

namespace {

// Chooses race R, as a double-click does, and presses the report's button.
int raceReport(Card& card, const Arguments& args, int controlId, std::ostream& out) {
  TextScreen screen(card);
  screen.chooseRace(args.race);
  screen.press(controlId);
  printReport(out, screen.reports());
  return kExitDone;
}

}  // namespace

int pastPerformancesReport(Card& card, const Arguments& args, std::ostream& out) {
  return raceReport(card, args, control::kRaceView, out);
}

int keyTrainerReport(Card& card, const Arguments& args, std::ostream& out) {
  return raceReport(card, args, control::kKeyTrainerStats, out);
}

int horseRecordsReport(Card& card, const Arguments& args, std::ostream& out) {
  return raceReport(card, args, control::kHorseRecords, out);
}

int uncoupledTrainersReport(Card& card, const Arguments&, std::ostream& out) {
  TextScreen screen(card);
  screen.press(control::kUncoupledTrainers);
  printReport(out, screen.reports());
  return kExitDone;
}

}  // namespace kestravo::cli
