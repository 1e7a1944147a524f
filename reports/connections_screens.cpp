#include "reports/connections_screens.h"

#include <span>
#include <string>

#include "card/fields.h"
#include "card/single.h"
#include "format/mask.h"
#include "format/numeric.h"
#include "reports/padding.h"
#include "reports/report_lines.h"

namespace kestravo {

namespace {

// A key-statistic category that wins this often is worth a look whatever it pays.
constexpr long double kStrongWinPercent = 15;

// Each screen has always worked out its win percentage its own way, and the differences
// show: the jockey's adds a hundredth so that an exact half rounds up, the trainer's is
// rounded to a whole number first, an exact half going to the even neighbour.
enum class WinRule { kCombination, kJockey, kTrainer };

constexpr long double kJockeyRoundUp = single(0.01f);

struct StatsRow {
  std::string_view label;
  RecordFields record;  // the $2 return stands where a horse's record has its earnings
  bool hasReturn = true;
};

constexpr StatsRow kCombinationRows[] = {{"THIS MEET", field::kTrainerJockeyMeetRecord},
                                         {"THIS YEAR", field::kTrainerJockeyYearRecord}};
constexpr StatsRow kJockeyRows[] = {{"THIS MEET", field::kJockeyMeetRecord, false},
                                    {"CURRENT YEAR", field::kJockeyYearRecord},
                                    {"PREVIOUS YEAR", field::kJockeyLastYearRecord}};
constexpr StatsRow kTrainerRows[] = {{"THIS MEET", field::kTrainerMeetRecord, false},
                                     {"CURRENT YEAR", field::kTrainerYearRecord},
                                     {"PREVIOUS YEAR", field::kTrainerLastYearRecord}};

void printWinPercent(ReportCanvas& canvas, WinRule rule, long double wins, long double starts) {
  switch (rule) {
    case WinRule::kCombination:
      printAt(canvas, 41, Format("###", starts <= 0 ? 0 : wins * 100 / starts));
      return;
    case WinRule::kJockey:
      printAt(canvas, 41, Format("###", starts == 0 ? 0 : wins / starts * 100 + kJockeyRoundUp));
      return;
    case WinRule::kTrainer:
      printAt(canvas, 42, Format("##", starts == 0 ? 0 : roundedHalfEven(wins / starts * 100)));
      return;
  }
}

void printStatsRows(ReportCanvas& canvas, const CardMatrix& m, int row,
                    std::span<const StatsRow> rows, WinRule rule) {
  for (const StatsRow& r : rows) {
    printAt(canvas, 1, r.label);
    const long double starts = m.value(row, r.record.starts());
    printAt(canvas, 35, Format("###", starts));
    printWinPercent(canvas, rule, m.value(row, r.record.wins()), starts);
    const ReportCell counts[] = {{47, r.record.wins(), "###"},
                                 {57, r.record.places(), "###"},
                                 {67, r.record.shows(), "###"}};
    printCells(canvas, m, row, counts);
    printAt(canvas, 78,
            r.hasReturn ? Format("##.##", m.value(row, r.record.earnings())) : std::string(" N/A"));
    canvas.newLine();
  }
}

// A screen of records about one of the horse's connections: its title, a header line that
// opens with the person's name (the combination has none) and one row per record.
struct Section {
  std::string_view title;
  int nameColumn;  // 0: no name
  std::string_view startsTitle;
  std::span<const StatsRow> rows;
  WinRule rule;
};

// The combination's and the jockey's screens write their starts title with a blank after it.
constexpr Section kCombination{"TRAINER AND JOCKEY COMBINED STATS SCREEN", 0, "STRTS ",
                               kCombinationRows, WinRule::kCombination};
constexpr Section kJockey{"JOCKEY STATS SCREEN", field::kJockey, "STRTS ", kJockeyRows,
                          WinRule::kJockey};
constexpr Section kTrainer{"TRAINER STATS SCREEN", field::kTrainer, "STRTS", kTrainerRows,
                           WinRule::kTrainer};

void printSection(ReportCanvas& canvas, const CardMatrix& m, int row, const Section& s) {
  printAt(canvas, 1, s.title);
  canvas.newLine();
  if (s.nameColumn != 0) printAt(canvas, 1, m.text(row, s.nameColumn));
  const ReportTitle titles[] = {{34, s.startsTitle}, {41, "WIN%"}, {47, "WIN"},
                                {57, "PLC"},         {67, "SHW"},  {77, "$2 ROI"}};
  printTitles(canvas, titles);
  canvas.newLine();
  printStatsRows(canvas, m, row, s.rows, s.rule);
}

std::string asciiUpper(std::string s) {
  for (char& c : s) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return s;
}

void printKeyStatRows(ReportCanvas& canvas, const CardMatrix& m, int row) {
  const ReportColour defaultText = ReportColour::defaultText();
  const ReportColour defaultBackground = ReportColour::defaultBackground();
  constexpr KeyStatCategories keys = field::kKeyStats;
  for (int c = 0; c < KeyStatCategories::kCount; ++c) {
    const bool worthALook = m.value(row, keys.winPercent(c)) >= kStrongWinPercent ||
                            (m.value(row, keys.returnOnInvestment(c)) > 0 && !m.scratched(row));
    canvas.setColours(defaultText, worthALook ? kKeyStatHighlight : defaultBackground);
    const bool started = m.value(row, keys.starts(c)) > 0;
    if (started) {
      printAt(
          canvas, 1,
          asciiUpper(Format("\\                                \\", m.text(row, keys.name(c)))));
      const ReportCell cells[] = {{35, keys.starts(c), "###"}, {38, keys.winPercent(c), "   ###"}};
      printCells(canvas, m, row, cells);
    }
    // The first category always shows its in-the-money percentage and return, on the
    // highlight whatever its figures, even when its trainer has no starts in it.
    const bool first = c == 0;
    if (first) canvas.setColours(defaultText, kKeyStatHighlight);
    if (started || first) {
      const ReportCell cells[] = {{44, keys.inTheMoneyPercent(c), "             ###"},
                                  {60, keys.returnOnInvestment(c), "                  ##.##"}};
      printCells(canvas, m, row, cells);
      canvas.newLine();
    }
    canvas.setColours(defaultText, defaultBackground);
  }
}

}  // namespace

void drawConnectionsScreens(const CardMatrix& m, int row, ReportCanvas& canvas) {
  printSection(canvas, m, row, kCombination);
  canvas.newLine();
  printSection(canvas, m, row, kJockey);
  printAt(canvas, 1, "LAST RACE JOCKEY");
  printAt(canvas, 35, m.text(row, field::kLastRaceJockey));
  canvas.newLine();
  canvas.newLine();
  printSection(canvas, m, row, kTrainer);
  canvas.newLine();

  const ReportTitle keyTitles[] = {
      {1, "KEY TRAINER STATS SCREEN"}, {34, "STRTS"}, {41, "WIN%"}, {57, "ITM%"}, {77, "$2 ROI"}};
  printTitles(canvas, keyTitles);
  canvas.newLine();
  printKeyStatRows(canvas, m, row);
  canvas.print(rule(175));
  canvas.newLine();
}

}  // namespace kestravo
