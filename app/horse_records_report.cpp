#include "app/horse_records_report.h"

#include <string>

#include "card/fields.h"
#include "format/mask.h"
#include "reports/report_lines.h"

namespace kestravo {

namespace {

constexpr ReportWindow kWindow{
    "                                                                             "
    "HORSE RECORDS",
    {10, 10, 69, 250},
    10,
    2000,
    20000};

// Wins per hundred starts; a record without starts shows 0.
std::string winPercent(const CardMatrix& m, int row, RecordFields record) {
  const long double starts = m.value(row, record.starts());
  return Format("##", starts == 0 ? 0 : m.value(row, record.wins()) * 100 / starts);
}

void printHorse(ReportCanvas& canvas, const CardMatrix& m, int row) {
  constexpr ReportTitle kWeightTitle[] = {{84, "WT"}};
  constexpr ReportCell kWeight[] = {{83, field::kWeight, "###"}};
  printHorseHeading(canvas, m, row, kWeightTitle, kWeight);
  canvas.newLine();

  constexpr ReportTitle kLeftWin[] = {{14, "WIN%"}};
  constexpr ReportTitle kRightWin[] = {{94, "WIN%"}};
  printTitles(canvas, kLeftWin);
  printTitles(canvas, kLeftRecordTitles);
  printTitles(canvas, kRightWin);
  printTitles(canvas, kRightRecordTitles);
  canvas.newLine();
  for (const RecordPair& pair : kRecordPairs) {
    printRecordLabel(canvas, m, row, pair.left, 1);
    printAt(canvas, 15, winPercent(m, row, pair.left.record));
    printRecordCounts(canvas, m, row, pair.left.record, kLeftRecord);
    if (pair.hasRight) {
      printRecordLabel(canvas, m, row, pair.right, 80);
      printAt(canvas, 95, winPercent(m, row, pair.right.record));
      printRecordCounts(canvas, m, row, pair.right.record, kRightRecord);
    }
    canvas.newLine();
  }
  canvas.newLine();
}

}  // namespace

void drawHorseRecords(const Card& card, std::string_view selectedRace,
                      std::string_view dataFileShortName, ReportCanvas& canvas) {
  const long double race =
      openRaceReport(canvas, card, selectedRace, dataFileShortName, kWindow, 151);
  if (race <= 0) return;
  for (int row : runnersOf(card.matrix, race)) printHorse(canvas, card.matrix, row);
}

}  // namespace kestravo
