#include "app/statistics_list.h"

#include "app/controls.h"
#include "card/columns.h"
#include "card/fields.h"
#include "figures/columns.h"
#include "format/mask.h"

namespace kestravo {

namespace {

struct StatisticsColumn {
  int width;
  const char* title;
};

constexpr StatisticsColumn kColumns[] = {
    {25, "RA"},        {25, "PP"},        {25, "PR"},        {100, "HORSE"}, {35, "ML "},
    {30, "STY"},       {20, "Q"},         {30, "WT"},        {40, "TW%"},    {70, "WIN%   ROI"},
    {70, "CURR YEAR"}, {70, "PREV YEAR"}, {70, "COMB YEAR"}, {40, "F23 "},   {40, "RR"},
    {40, "SEL"},       {40, "WT"},        {30, "LW%"},       {40, "AV3"},    {80, "ITM FIN STR"},
    {40, ""},          {40, ""},
};

}  // namespace

const std::vector<std::string>& statisticsListTitles() {
  static const std::vector<std::string> titles = [] {
    std::vector<std::string> out;
    for (const StatisticsColumn& c : kColumns) out.emplace_back(c.title);
    return out;
  }();
  return titles;
}

const std::vector<int>& statisticsListWidths() {
  static const std::vector<int> widths = [] {
    std::vector<int> out;
    for (const StatisticsColumn& c : kColumns) out.push_back(c.width);
    return out;
  }();
  return widths;
}

TextRow statisticsRowCells(const CardMatrix& m, int row) {
  const auto text = [&](int column) { return std::string(m.text(row, column)); };
  const auto masked = [&](const char* mask, int column) {
    return Format(mask, m.value(row, column));
  };
  // A yearly record: its APV figure, two blanks, its starts.
  const auto year = [&](int apv, long double starts) {
    return Format("#####", m.value(row, apv)) + "  " + Format("###", starts);
  };
  const RecordFields first = field::kFirstYearRecord;
  const RecordFields second = field::kSecondYearRecord;
  const RecordFields life = field::kLifetimeRecord;
  const long double finishes =
      m.value(row, life.places()) + m.value(row, life.wins()) + m.value(row, life.shows());
  return {
      masked("##", field::kRaceNumber),
      masked("##", field::kPostPosition),
      text(field::kProgramNumber),
      text(field::kHorseName),
      masked("##.#", field::kMorningLine),
      text(field::kRunningStyle),
      masked("#", field::kSpeedPoints),
      text(col::kWTCHG),
      masked("####", col::kTW) + text(col::kTWMARK),
      text(col::kKEYSTAT),
      year(col::kAPVFirstYear, m.value(row, first.starts())),
      year(col::kAPVSecondYear, m.value(row, second.starts())),
      year(col::kAPVYears, m.value(row, second.starts()) + m.value(row, first.starts())),
      text(col::kF23),
      masked("###", col::kRR),
      masked("###", col::kSEL),
      masked("###", field::kWeight),
      masked("###", col::kLW),
      masked("###", col::kAV3),
      masked("###", col::kInTheMoneyPercent) + " " + Format("###", finishes) + " " +
          masked("###", life.starts()),
      "",
      "",
  };
}

void showStatisticsList(Card& card, MainView& view, MainScreen& screen) {
  if (card.dataFilePath.empty()) return;
  setLabel(view, screen, control::kViewLabel, kStatisticsTitle);
  clearList(view, screen, control::kEntriesList);
  screen.entries.titles = statisticsListTitles();
  view.listChanged(control::kEntriesList);
  view.setColumnWidths(control::kEntriesList, statisticsListWidths());
  screen.listRowCount = 0;
  for (int row : raceViewRows(card.matrix, screen.selectedRace)) {
    screen.entries.rows.push_back(statisticsRowCells(card.matrix, row));
    screen.entryRows.push_back(row);
    ++screen.listRowCount;
  }
  view.listChanged(control::kEntriesList);
}

}  // namespace kestravo
