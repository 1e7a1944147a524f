#include "reports/past_performances.h"

#include <array>
#include <cmath>

#include "card/columns.h"
#include "card/fields.h"
#include "figures/columns.h"
#include "format/mask.h"
#include "format/numeric.h"
#include "format/text.h"
#include "oddsline/columns.h"
#include "reports/connections_screens.h"
#include "reports/report_lines.h"

namespace kestravo {

namespace {

constexpr int kLargePoints = 14;
constexpr int kSmallPoints = 9;
constexpr ReportWindow kWindow{
    "                                                                             "
    "PAST PERFORMANCES",
    {1, 1, 69, 250},
    kLargePoints,
    2000,
    20000};
constexpr int kArrowBase = 38;  // where the arrow of a figure of 0 would start
constexpr int kSpeedPerColumn = 4;

void printIdentification(ReportCanvas& canvas, const CardMatrix& m, int row) {
  constexpr ReportTitle kMoreTitles[] = {{83, "AGE"}, {94, "WT"}, {103, "PAR"}};
  constexpr ReportCell kMoreCells[] = {
      {84, col::kAGELR, "##"}, {93, field::kWeight, "###"}, {103, field::kSpeedPar, "###"}};
  canvas.setFont(courierNew(kLargePoints));
  printHorseHeading(canvas, m, row, kMoreTitles, kMoreCells);
  canvas.print("  ");
  canvas.print(m.text(row, col::kParMark));
  canvas.newLine();
  canvas.setFont(courierNew(kSmallPoints));
}

void printRecords(ReportCanvas& canvas, const CardMatrix& m, int row) {
  canvas.newLine();
  printTitles(canvas, std::array{ReportTitle{13, "APV"}});
  printTitles(canvas, kLeftRecordTitles);
  printTitles(canvas, std::array{ReportTitle{93, "APV"}});
  printTitles(canvas, kRightRecordTitles);
  printTitles(canvas, std::array{ReportTitle{146, "PWR"}});
  canvas.newLine();
  constexpr int kShownPairs = 4;  // the wet-track record is not on this screen
  for (int i = 0; i < kShownPairs; ++i) {
    const RecordPair& pair = kRecordPairs[i];
    printRecordLabel(canvas, m, row, pair.left, 1);
    printAt(canvas, 11, Format("######", m.value(row, pair.left.apv)));
    printRecordCounts(canvas, m, row, pair.left.record, kLeftRecord);
    printRecordLabel(canvas, m, row, pair.right, 80);
    printAt(canvas, 91, Format("######", m.value(row, pair.right.apv)));
    printRecordCounts(canvas, m, row, pair.right.record, kRightRecord);
    if (i == 0) printAt(canvas, 146, Format("###", m.value(row, col::kPWR)));
    canvas.newLine();
  }
}

// The horse's past races that happened: a day gap above 0.
bool raced(const CardMatrix& m, int row, int j) {
  return m.value(row, col::kDaysSincePast.race(j)) > 0;
}

// A call of a past race: where the horse stood, and its margin when leading or the lengths
// it was behind.
struct Call {
  PastRaceBlock position;
  PastRaceBlock leaderMargin;
  PastRaceBlock lengthsBehind;
  int at;
};
constexpr Call kCalls[] = {
    {field::kPastFirstCallPosition, field::kPastFirstCallMargin, field::kPastFirstCallBehind, 30},
    {field::kPastSecondCallPosition, field::kPastSecondCallMargin, field::kPastSecondCallBehind,
     40},
    {field::kPastStretchPosition, field::kPastStretchMargin, field::kPastStretchBehind, 50},
    {field::kPastFinishPosition, field::kPastFinishMargin, field::kPastFinishBehind, 60}};
constexpr int kMarginOffset = 3;  // the margin stands three columns right of the position

// A position below 1 (the horse was not placed at that call) shows nothing.
void printCall(ReportCanvas& canvas, const CardMatrix& m, int row, const Call& call, int j) {
  const long double position = m.value(row, call.position.race(j));
  if (position < 1) return;
  const PastRaceBlock margin = position == 1 ? call.leaderMargin : call.lengthsBehind;
  printAt(canvas, call.at, Format("##", position));
  printAt(canvas, call.at + kMarginOffset,
          Format("##.##", std::fabs(m.value(row, margin.race(j)))));
}

void printPastRaces(ReportCanvas& canvas, const CardMatrix& m, int row) {
  constexpr ReportTitle kTitles[] = {{1, "DAY"},
                                     {6, "TRK"},
                                     {10, "R#"},
                                     {15, "CN"},
                                     {20, "DST"},
                                     {25, "SUR"},
                                     {30, "1st"},
                                     {40, "2nd"},
                                     {50, "STR"},
                                     {60, "FIN"},
                                     {72, "E1"},
                                     {77, "E2"},
                                     {81, "LATE"},
                                     {86, "SPD"},
                                     {92, "WT"},
                                     {96, "ODDS"},
                                     {103, "CLS"},
                                     {109, "PURSE"},
                                     {117, "CLASSIFICATION"},
                                     {146, "DATE"},
                                     {156, "COMMENT"}};
  canvas.newLine();
  printTitles(canvas, kTitles);
  canvas.newLine();
  for (int j = 1; j <= kPastRaces; ++j) {
    if (!raced(m, row, j)) continue;
    const ReportCell opening[] = {{1, col::kDaysSincePast.race(j), "###"},
                                  {6, field::kPastTrack.race(j)},
                                  {10, field::kPastRaceNumber.race(j), "##"},
                                  {15, field::kPastCondition.race(j)}};
    printCells(canvas, m, row, opening);
    printAt(canvas, 18, Format("###.#", furlongs(m.value(row, field::kPastDistance.race(j)))));
    printAt(canvas, 26, m.text(row, field::kPastSurface.race(j)));
    for (const Call& call : kCalls) printCall(canvas, m, row, call, j);
    const ReportCell figures[] = {{71, col::kE1.race(j), "###"},
                                  {76, col::kE2.race(j), "###"},
                                  {81, field::kPastLate.race(j), "###"},
                                  {86, field::kPastSpeed.race(j), "###"},
                                  {91, field::kPastWeight.race(j), "###"},
                                  {96, field::kPastOdds.race(j), "##.#"},
                                  {104, field::kPastClassText.race(j)},
                                  {107, field::kPastPurse.race(j), "#######"},
                                  {117, field::kPastClassification.race(j)}};
    printCells(canvas, m, row, figures);
    printAt(canvas, 144, monthDayYear(m.text(row, field::kPastDate.race(j))));
    printAt(canvas, 154, m.text(row, field::kPastComment.race(j)));
    canvas.newLine();
  }
}

void printBestFigures(ReportCanvas& canvas, const CardMatrix& m, int row) {
  struct Best {
    int at;
    std::string_view label;
    int column;
    std::string_view mask;
  };
  constexpr Best kBests[] = {{1, "DAYS SINCE 1st BEST= ", col::kDaysSinceBest1, "####"},
                             {31, "1st BEST= ", col::kBEST1, "###"},
                             {50, "DAYS SINCE 2nd BEST= ", col::kDaysSinceBest2, "####"},
                             {81, "2nd BEST= ", col::kBEST2, "###"},
                             {100, "DAYS SINCE 3rd BEST= ", col::kDaysSinceBest3, "####"},
                             {131, "3rd BEST= ", col::kBEST3, "###"}};
  canvas.newLine();
  for (const Best& b : kBests) {
    printAt(canvas, b.at, b.label);
    canvas.print(Format(b.mask, m.value(row, b.column)));
  }
  canvas.newLine();
}

void printSpeedChart(ReportCanvas& canvas, const CardMatrix& m, int row) {
  for (int j = 1; j <= kPastRaces; ++j) {
    if (!raced(m, row, j)) continue;
    printAt(canvas, 1, monthDayYear(m.text(row, field::kPastDate.race(j))));
    printCells(canvas, m, row, std::array{ReportCell{11, col::kDaysSincePast.race(j), "###"}});
    printAt(canvas, 15, Format("###.#", furlongs(m.value(row, field::kPastDistance.race(j)))));
    const ReportCell finish[] = {{22, field::kPastSurface.race(j)},
                                 {25, field::kPastCondition.race(j)},
                                 {30, field::kPastFinishPosition.race(j), "##"}};
    printCells(canvas, m, row, finish);
    // The chart always shows the finish's leader margin, whatever the position.
    canvas.print("~");
    canvas.print(Format("##.##", m.value(row, field::kPastFinishMargin.race(j))));
    const long double speed = m.value(row, field::kPastSpeed.race(j));
    printAt(canvas, speedChartColumn(speed), "--------->");
    canvas.print(Format("###", speed));
    const ReportCell closing[] = {{80, col::kDistanceParFigure.race(j), "###"},
                                  {85, field::kPastFinalTime.race(j), "###.#"},
                                  {92, col::kEarlyPoints.race(j)}};
    printCells(canvas, m, row, closing);
    canvas.newLine();
  }
}

void printStrike(ReportCanvas& canvas, const CardMatrix& m, int row) {
  canvas.newLine();
  canvas.print("QUENTAR STRIKE RATING REGARDLESS OF QUALIFICATION-> ");
  canvas.print(m.text(row, col::kStrikeRating));
  canvas.print("  ");
  canvas.print(m.text(row, col::kStrikeLabel));
  canvas.newLine();
  canvas.print("QUENTAR STRIKE QUALIFIED RATING-------------------> ");
  canvas.print(m.text(row, col::kQualifiedMark));
  canvas.newLine();
  canvas.newLine();
}

// A workout's distance in furlongs in the plain form: " 4", " 3.5". The text field is wider
// than the plain form of any distance down to a yard.
std::string workoutFurlongs(long double yards) { return plainNumber(furlongs(yards)); }

void printWorkouts(ReportCanvas& canvas, const CardMatrix& m, int row) {
  constexpr ReportTitle kTitles[] = {{1, "  DATE"}, {14, "TRK"}, {21, "TIME"}, {28, "DIST"},
                                     {35, "CON"},   {42, "DES"}, {47, "DYS"},  {52, "WKS"},
                                     {57, "RNK"},   {62, "CRT"}, {67, "TRK"},  {72, "CND"},
                                     {77, "INT"},   {83, "TOT"}};
  printTitles(canvas, kTitles);
  canvas.newLine();
  for (int w = 1; w <= kWorkouts; ++w) {
    if (!(m.value(row, field::kWorkoutsThatDay.work(w)) > 0)) continue;
    printAt(canvas, 1, monthDayYear(m.text(row, field::kWorkoutDate.work(w))));
    printAt(canvas, 13, trimBlanks(m.text(row, field::kWorkoutTrack.work(w))));
    canvas.print(" ");
    canvas.print(m.text(row, field::kWorkoutTrackIndicator.work(w)));
    printCells(canvas, m, row, std::array{ReportCell{19, field::kWorkoutTime.work(w), "####.#"}});
    printAt(canvas, 28, workoutFurlongs(m.value(row, field::kWorkoutDistance.work(w))));
    const ReportCell rest[] = {
        {36, field::kWorkoutCondition.work(w)},   {42, field::kWorkoutDescription.work(w)},
        {47, col::kWorkoutDays.work(w), "###"},   {52, field::kWorkoutsThatDay.work(w), "###"},
        {57, field::kWorkoutRank.work(w), "###"}, {62, col::kWorkoutTimeFigure.work(w), "###"},
        {69, col::kTrackValue.work(w)},           {74, col::kConditionValue.work(w)},
        {78, col::kDescriptionValue.work(w)},     {83, col::kWKPTS.work(w)}};
    printCells(canvas, m, row, rest);
    canvas.newLine();
  }
}

void drawHorse(ReportCanvas& canvas, const CardMatrix& m, int row) {
  printIdentification(canvas, m, row);
  printRecords(canvas, m, row);
  printPastRaces(canvas, m, row);
  printBestFigures(canvas, m, row);
  printSpeedChart(canvas, m, row);
  printStrike(canvas, m, row);
  printWorkouts(canvas, m, row);
  canvas.newLine();
  drawConnectionsScreens(m, row, canvas);
}

}  // namespace

int speedChartColumn(long double speedFigure) {
  const long double shown = numericValue(Format("###", speedFigure / kSpeedPerColumn + kArrowBase));
  // A figure no race runs (a damaged file) must not carry the arrow off the report.
  if (shown > kWindow.geometry.columns) return kWindow.geometry.columns;
  return shown < 0 ? 0 : static_cast<int>(shown);
}

void drawPastPerformances(const Card& card, std::string_view selectedRace,
                          std::string_view dataFileShortName, ReportCanvas& canvas) {
  const long double race =
      openRaceReport(canvas, card, selectedRace, dataFileShortName, kWindow, 111);
  if (race <= 0) return;
  canvas.setFont(courierNew(kSmallPoints));
  for (int row : runnersOf(card.matrix, race)) drawHorse(canvas, card.matrix, row);
}

}  // namespace kestravo
