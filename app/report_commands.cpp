#include "app/report_commands.h"

#include "app/controls.h"
#include "app/horse_records_report.h"
#include "app/trainer_reports.h"
#include "reports/past_performances.h"

namespace kestravo {

void showPastPerformances(Card& card, MainView& view, MainScreen& screen) {
  drawPastPerformances(card, screen.selectedRace, screen.dataFileShortName, view.reportCanvas());
}

void showKeyTrainerStats(Card& card, MainView& view, MainScreen& screen) {
  setLabel(view, screen, control::kViewLabel, "TRAINER STATS");
  drawKeyTrainerStats(card, screen.selectedRace, screen.dataFileShortName, view.reportCanvas());
}

void showHorseRecords(Card& card, MainView& view, MainScreen& screen) {
  drawHorseRecords(card, screen.selectedRace, screen.dataFileShortName, view.reportCanvas());
}

}  // namespace kestravo
