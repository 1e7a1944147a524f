#include "reports/report_lines.h"

#include <cmath>

#include "format/mask.h"
#include "format/numeric.h"
#include "reports/padding.h"

namespace kestravo {

void openReport(ReportCanvas& canvas, std::string_view dataFileShortName,
                const ReportWindow& window) {
  std::string caption(dataFileShortName);
  caption += window.caption;
  canvas.open(caption, window.geometry);
  canvas.setFont(courierNew(window.points));
  canvas.setCanvas(window.canvasWidth, window.canvasHeight);
  canvas.setColours(window.text, window.background);
}

void printAt(ReportCanvas& canvas, int at, std::string_view text) {
  canvas.tab(at);
  canvas.print(text);
}

void printCells(ReportCanvas& canvas, const CardMatrix& m, int row,
                std::span<const ReportCell> cells) {
  for (const ReportCell& c : cells) {
    canvas.tab(c.at);
    if (c.mask.empty()) {
      canvas.print(m.text(row, c.column));
    } else {
      canvas.print(Format(c.mask, m.value(row, c.column)));
    }
  }
}

void printTitles(ReportCanvas& canvas, std::span<const ReportTitle> titles) {
  for (const ReportTitle& t : titles) printAt(canvas, t.at, t.text);
}

std::vector<int> runnersOf(const CardMatrix& m, long double race) {
  std::vector<int> rows;
  for (int row = 1; row <= m.entryCount(); ++row) {
    if (raceOf(m, row) == race && !m.scratched(row)) rows.push_back(row);
  }
  return rows;
}

long double openRaceReport(ReportCanvas& canvas, const Card& card, std::string_view selectedRace,
                           std::string_view dataFileShortName, const ReportWindow& window,
                           std::size_t ruleWidth) {
  const long double race = numericValue(selectedRace);
  if (race <= 0) return race;
  openReport(canvas, dataFileShortName, window);
  std::string title = "RACE ";
  // A value that names no race of the card (a fraction, or past the last race) has no line.
  if (race < card.raceLine.size() && race == std::floor(race)) {
    title += card.raceLine[static_cast<std::size_t>(race)];
  }
  canvas.print(title);
  canvas.newLine();
  canvas.print(rule(ruleWidth));
  canvas.newLine();
  return race;
}

void printHorseHeading(ReportCanvas& canvas, const CardMatrix& m, int row,
                       std::span<const ReportTitle> moreTitles,
                       std::span<const ReportCell> moreCells) {
  printTitles(canvas, kIdentityTitles);
  printTitles(canvas, kStyleTitles);
  printTitles(canvas, moreTitles);
  canvas.newLine();
  printCells(canvas, m, row, kIdentityCells);
  printCells(canvas, m, row, kStyleCells);
  printCells(canvas, m, row, moreCells);
}

namespace {

// Characters `from` (1-based) to `from + count - 1` of a text, as far as the text goes.
std::string_view characters(std::string_view s, std::size_t from, std::size_t count) {
  return from > s.size() ? std::string_view() : s.substr(from - 1, count);
}

}  // namespace

std::string monthDayYear(std::string_view date) {
  std::string s(characters(date, 5, 2));
  s += '-';
  s += characters(date, 7, 2);
  s += '-';
  s += characters(date, 3, 2);
  return s;
}

long double furlongs(long double yards) { return std::fabs(yards) / kYardsPerFurlong; }

void printRecordLabel(ReportCanvas& canvas, const CardMatrix& m, int row, const RecordSide& side,
                      int at) {
  printAt(canvas, at, side.labelColumn != 0 ? m.text(row, side.labelColumn) : side.label);
}

void printRecordCounts(ReportCanvas& canvas, const CardMatrix& m, int row, RecordFields record,
                       const RecordColumns& at) {
  const ReportCell cells[] = {{at.starts, record.starts(), "###"},
                              {at.wins, record.wins(), "###"},
                              {at.places, record.places(), "###"},
                              {at.shows, record.shows(), "###"},
                              {at.earnings, record.earnings(), "##,###,###"}};
  printCells(canvas, m, row, cells);
}

}  // namespace kestravo
