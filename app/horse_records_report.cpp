#include "app/horse_records_report.h"

#include <string>

#include "card/fields.h"
#include "format/mask.h"
#include "format/numeric.h"
#include "reports/report_lines.h"

namespace kestravo {

namespace {

constexpr ReportGeometry kGeometry{10, 10, 69, 250};
constexpr int kPoints = 10;
constexpr int kCanvasWidth = 2000;
constexpr int kCanvasHeight = 20000;

// Wins per hundred starts; a record without starts shows 0.
std::string winPercent(const CardMatrix& m, int row, RecordFields record) {
  const long double starts = m.value(row, record.starts());
  return Format("##", starts == 0 ? 0 : m.value(row, record.wins()) * 100 / starts);
}

void printHorse(ReportCanvas& canvas, const CardMatrix& m, int row) {
  constexpr ReportTitle kWeightTitle[] = {{84, "WT"}};
  constexpr ReportCell kWeight[] = {{83, field::kWeight, "###"}};
  printTitles(canvas, kIdentityTitles);
  printTitles(canvas, kStyleTitles);
  printTitles(canvas, kWeightTitle);
  canvas.newLine();
  printCells(canvas, m, row, kIdentityCells);
  printCells(canvas, m, row, kStyleCells);
  printCells(canvas, m, row, kWeight);
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
  const long double race = numericValue(selectedRace);
  if (race <= 0) return;
  canvas.open(std::string(dataFileShortName) + kHorseRecordsCaption, kGeometry);
  canvas.setFont(courierNew(kPoints));
  canvas.setCanvas(kCanvasWidth, kCanvasHeight);
  canvas.setColours(kBlack, ReportColour::defaultBackground());
  printRaceTitle(canvas, card, race, 151);
  for (int row : runnersOf(card.matrix, race)) printHorse(canvas, card.matrix, row);
}

}  // namespace kestravo
