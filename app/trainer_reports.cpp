#include "app/trainer_reports.h"

#include "card/fields.h"
#include "oddsline/columns.h"
#include "reports/padding.h"
#include "reports/report_lines.h"

namespace kestravo {

namespace {

constexpr ReportWindow kUncoupledWindow{
    "                                                   UNCOUPLED TRAINERS",
    {400, 150, 20, 150},
    11,
    40,
    1000,
    ReportColour::rgb(25, 25, 112),
    ReportColour::face()};

constexpr int kTitlePoints = 14;
constexpr int kLinePoints = 9;
constexpr ReportWindow kKeyTrainerWindow{
    "                                                                             "
    "KEY TRAINER STATS",
    {25, 25, 69, 190},
    kTitlePoints,
    2000,
    2000};

// A category says something about the trainer when it wins often or seldom, and only when
// the trainer has started horses in it.
constexpr long double kOftenWins = 20;  // win percentage
constexpr long double kSeldomWins = 5;  // win percentage
bool telling(long double winPercent, long double starts) {
  return (winPercent >= kOftenWins || winPercent <= kSeldomWins) && starts > 0;
}

}  // namespace

void drawUncoupledTrainers(const Card& card, std::string_view dataFileShortName,
                           ReportCanvas& canvas) {
  openReport(canvas, dataFileShortName, kUncoupledWindow);
  constexpr ReportTitle kTitles[] = {{1, "RACE"}, {8, "PRG"}, {15, "HORSE"}, {45, "TRAINER"}};
  printTitles(canvas, kTitles);
  canvas.newLine();
  canvas.print(rule(81));
  canvas.newLine();
  constexpr ReportCell kCells[] = {{2, field::kRaceNumber, "##"},
                                   {9, field::kProgramNumber},
                                   {15, field::kHorseName},
                                   {45, field::kTrainer}};
  const CardMatrix& m = card.matrix;
  for (int row = 1; row <= m.entryCount(); ++row) {
    if (m.scratched(row) || m.text(row, col::kUncoupledTrainerMark) != "UT ") continue;
    printCells(canvas, m, row, kCells);
    canvas.newLine();
  }
  canvas.waitForKey();
}

void drawKeyTrainerStats(const Card& card, std::string_view selectedRace,
                         std::string_view dataFileShortName, ReportCanvas& canvas) {
  const long double race =
      openRaceReport(canvas, card, selectedRace, dataFileShortName, kKeyTrainerWindow, 84);
  if (race <= 0) return;
  canvas.setFont(courierNew(kLinePoints));
  constexpr ReportTitle kTitles[] = {
      {55, "TRAINER"}, {62, "B"}, {95, "STAT"}, {114, "WIN%"}, {124, "STRS"}};
  printTitles(canvas, kIdentityTitles);
  printTitles(canvas, kTitles);
  canvas.newLine();
  constexpr KeyStatCategories keys = field::kKeyStats;
  const CardMatrix& m = card.matrix;
  for (int row : runnersOf(m, race)) {
    bool printed = false;
    for (int c = 0; c < KeyStatCategories::kCount; ++c) {
      if (!telling(m.value(row, keys.winPercent(c)), m.value(row, keys.starts(c)))) continue;
      const ReportCell cells[] = {{55, field::kTrainer},
                                  {95, keys.name(c)},
                                  {115, keys.winPercent(c), "##"},
                                  {124, keys.starts(c), "####"}};
      printCells(canvas, m, row, kIdentityCells);
      printCells(canvas, m, row, cells);
      canvas.newLine();
      printed = true;
    }
    if (printed) canvas.newLine();  // an empty line between horses
  }
  canvas.waitForKey();
}

}  // namespace kestravo
