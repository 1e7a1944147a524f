// What the reports of one race share: a line as a table of card cells at their columns, the
// race title over a rule, the horse's identification and in-the-money line, and its records
// side by side. The past-performance screen, the key-trainer report and the horse-records
// report draw these the same way, so a horse reads alike on all three.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "card/card.h"
#include "card/columns.h"
#include "card/fields.h"
#include "reports/report_canvas.h"

namespace kestravo {

inline constexpr ReportColour kBlack = ReportColour::rgb(0, 0, 0);
inline ReportFont courierNew(int points) { return {"Courier New", points}; }

// How a report's window opens: the caption that follows the data file's short name, its
// place and size, its first font (Courier New at `points`), its canvas and its colours.
struct ReportWindow {
  std::string_view caption;
  ReportGeometry geometry;
  int points;
  int canvasWidth;
  int canvasHeight;
  ReportColour text = kBlack;
  ReportColour background = ReportColour::defaultBackground();
};
void openReport(ReportCanvas& canvas, std::string_view dataFileShortName,
                const ReportWindow& window);

// A card cell printed at 1-based column `at`: through `mask`, or its text as it stands when
// there is no mask.
struct ReportCell {
  int at;
  int column;
  std::string_view mask = {};
};
struct ReportTitle {
  int at;
  std::string_view text;
};

void printAt(ReportCanvas& canvas, int at, std::string_view text);
void printCells(ReportCanvas& canvas, const CardMatrix& matrix, int row,
                std::span<const ReportCell> cells);
void printTitles(ReportCanvas& canvas, std::span<const ReportTitle> titles);

// The rows of race `race` that are not scratched, in card order. `race` is the numeric value
// of the races list's text; a value that names no race has no rows.
std::vector<int> runnersOf(const CardMatrix& matrix, long double race);

// A report of the race that `selectedRace` (the races list's text) names: opens its window
// and draws "RACE " and the race's conditions line over a rule of `ruleWidth` hyphens, in the
// window's first font. Returns the race's numeric value; for a value of 0 or less nothing is
// opened.
long double openRaceReport(ReportCanvas& canvas, const Card& card, std::string_view selectedRace,
                           std::string_view dataFileShortName, const ReportWindow& window,
                           std::size_t ruleWidth);

// A YYYYMMDD date as MM-DD-YY; a shorter text gives the characters it has.
std::string monthDayYear(std::string_view date);

// A distance in yards as furlongs; an about-distance's minus sign is dropped.
long double furlongs(long double yards);

// The horse's identification: post position, program number, name and morning line.
inline constexpr ReportTitle kIdentityTitles[] = {{1, "PP"}, {5, "PR"}, {15, "HORSE"}, {45, "ML"}};
inline constexpr ReportCell kIdentityCells[] = {{1, field::kPostPosition, "##"},
                                                {5, field::kProgramNumber},
                                                {15, field::kHorseName},
                                                {43, field::kMorningLine, "##.#"}};
// Its speed points, running style and lifetime in-the-money percentage, on the same lines.
inline constexpr ReportTitle kStyleTitles[] = {{55, "Q"}, {62, "STYLE"}, {71, "ITM%"}};
inline constexpr ReportCell kStyleCells[] = {
    {55, field::kSpeedPoints}, {64, field::kRunningStyle}, {71, col::kInTheMoneyPercent, "###%"}};

// The horse's two heading lines: the titles and then the figures of its identification and
// style, each followed by the report's own. The second line is left open.
void printHorseHeading(ReportCanvas& canvas, const CardMatrix& matrix, int row,
                       std::span<const ReportTitle> moreTitles,
                       std::span<const ReportCell> moreCells);

// One half of a record line: its label (a literal, or the text of a card column such as the
// year of a yearly record), the record and its APV figure.
struct RecordSide {
  std::string_view label;
  int labelColumn = 0;  // not 0: the label is this column's text
  RecordFields record{0};
  int apv = 0;
};
struct RecordPair {
  RecordSide left;
  RecordSide right;
  bool hasRight = true;
};
// The horse's records two to a line; the past-performance screen shows the first four.
inline constexpr RecordPair kRecordPairs[] = {
    {{"LIFETIME", 0, field::kLifetimeRecord, col::kAPVLifetime},
     {"DISTANCE", 0, field::kDistanceRecord, col::kAPVDistance}},
    {{{}, field::kFirstYear, field::kFirstYearRecord, col::kAPVFirstYear},
     {"TRACK", 0, field::kTrackRecord, col::kAPVTrack}},
    {{{}, field::kSecondYear, field::kSecondYearRecord, col::kAPVSecondYear},
     {"DIRT", 0, field::kDirtRecord, col::kAPVDirt}},
    {{"ALLWEATHER", 0, field::kAllWeatherRecord, col::kAPVAllWeather},
     {"TURF", 0, field::kTurfRecord, col::kAPVTurf}},
    {{"WET TRACK", 0, field::kWetRecord}, {}, false},
};

// Where a record's starts, wins, places, shows and earnings stand on each half of the line.
struct RecordColumns {
  int starts, wins, places, shows, earnings;
};
inline constexpr RecordColumns kLeftRecord{20, 28, 36, 44, 51};
inline constexpr RecordColumns kRightRecord{100, 108, 116, 124, 130};
inline constexpr ReportTitle kLeftRecordTitles[] = {
    {20, "STR"}, {28, "WIN"}, {36, "PLC"}, {44, "SHW"}, {52, "EARNINGS$"}};
inline constexpr ReportTitle kRightRecordTitles[] = {
    {100, "STR"}, {108, "WIN"}, {116, "PLC"}, {124, "SHW"}, {132, "EARNING$"}};

void printRecordLabel(ReportCanvas& canvas, const CardMatrix& matrix, int row,
                      const RecordSide& side, int at);
// Starts, wins, places and shows through "###", earnings through "##,###,###".
void printRecordCounts(ReportCanvas& canvas, const CardMatrix& matrix, int row, RecordFields record,
                       const RecordColumns& at);

}  // namespace kestravo
