// The commands of the report buttons run against a hand-filled card: which horses each
// angle list takes, the statistics list and its way back to ten columns, the notification
// codes each command answers and which commands close the newest report window first.
#include <gtest/gtest.h>

#include "app/command_table.h"
#include "app/controls.h"
#include "app/statistics_list.h"
#include "card/columns.h"
#include "card/fields.h"
#include "fake_view.h"
#include "figures/columns.h"
#include "oddsline/columns.h"
#include "support/report_text.h"

namespace kestravo {
namespace {

using testing::FakeView;
using testing::fill;

constexpr std::size_t kHorseCell = 3;

class ListCommandsTest : public ::testing::Test {
 protected:
  ListCommandsTest() {
    card.dataFilePath = "/cards/KSV1208.DRF";
    screen.dataFileShortName = "KSV1208.DRF";
  }

  bool press(int id, int code = notify::kClicked) {
    return runCommand(card, view, screen, id, code);
  }
  std::vector<std::string> column(std::size_t c) const {
    std::vector<std::string> out;
    for (const TextRow& r : screen.entries.rows) out.push_back(r.at(c));
    return out;
  }
  std::vector<std::string> horses() const { return column(kHorseCell); }

  Card card;
  FakeView view;
  MainScreen screen;
};

// Six horses over three races, in card order: each carries some marks, some carry them
// with the blank missing, and D is scratched though it carries them all.
void fillAngleCard(CardMatrix& m) {
  m.reset(6);
  const std::pair<int, std::string_view> marks[] = {
      {col::kLowestWeightFlag, "LW "},    {col::kTrainerJockeyFlag, "TJ "},
      {col::kFirstTimeMaidenFlag, "FT "}, {col::kUncoupledTrainerMark, "UT "},
      {col::kBestWorkoutsFlag, "FW "},    {col::kBreakFlag, "BR "},
      {col::kPowerPlayFlag, "PR "},       {col::kFormMark, "F "},
  };
  fill(m, 1, {{3, "1"}, {45, "A"}, {1520, "LW "}, {1623, "TJ "}, {1714, "3"}, {44, "2.5"}});
  fill(m, 2, {{3, "1"}, {45, "B"}, {1520, "LW"}, {1528, "F"}, {1714, "3"}, {44, "2.6"}});
  fill(m, 3,
       {{3, "2"}, {45, "C"}, {1522, "FT "}, {1523, "UT "}, {1599, "FW "}, {1714, "2"}, {44, "1"}});
  fill(m, 4, {{3, "2"}, {45, "D"}, {1436, "S"}, {1714, "99"}, {44, "1"}});
  for (const auto& [column, mark] : marks) m.setText(4, column, mark);
  fill(m, 5,
       {{3, "3"},
        {45, "E"},
        {1520, "LW "},
        {1600, "BR "},
        {1601, "PR "},
        {1528, "F "},
        {1714, "4"},
        {44, ".5"}});
  fill(m, 6, {{3, "1"}, {45, "F"}, {1601, "PR"}, {1714, "12"}, {44, "8"}});
}

TEST_F(ListCommandsTest, EachAngleListsTheHorsesOfTheWholeCardThatFitIt) {
  fillAngleCard(card.matrix);
  struct Case {
    int id;
    std::vector<std::string> horses;
  };
  const Case cases[] = {
      {control::kVulnerableFavorite, {"A", "E"}},
      {control::kLowestWeight, {"A", "E"}},
      {control::kTrainerJockey, {"A"}},
      {control::kFirstTimeMaiden, {"C"}},
      {control::kUncoupledTrainers, {"C"}},
      {control::kBestWorkouts, {"C"}},
      {control::kBreak, {"E"}},
      {control::kPowerPlay, {"E"}},
      {control::kFormula, {"E"}},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(press(c.id)) << c.id;
    EXPECT_EQ(horses(), c.horses) << c.id;
    EXPECT_EQ(screen.listRowCount, static_cast<int>(c.horses.size())) << c.id;
    EXPECT_EQ(screen.entries.titles, entriesListTitles()) << c.id;
    EXPECT_EQ(view.labels[control::kViewLabel], screen.viewLabel) << c.id;
  }
  // A list spans the races, each horse with its race number.
  press(control::kLowestWeight);
  EXPECT_EQ(column(0), (std::vector<std::string>{" 1", " 3"}));
  EXPECT_EQ(screen.viewLabel, "LOWEST WEIGHT CARRIED");
}

TEST_F(ListCommandsTest, AVulnerableFavoriteIsAtMostFiveToTwoWithThreePoints) {
  struct Case {
    const char* vpoints;
    const char* morningLine;
    const char* scratch;
    bool listed;
  };
  const Case cases[] = {
      {"3", "2.5", "", true},     {"3", "2.6", "", false},  {"2", "1.0", "", false},
      {"2.99", "1.0", "", false}, {"3", "2.50", "", true},  {"7", "0.8", "", true},
      {"99", "1.0", "S", false},  {"3", "2.5", "S", false}, {"3", "", "", true},
  };
  card.matrix.reset(static_cast<int>(std::size(cases)));
  std::vector<std::string> expected;
  for (int row = 1; const Case& c : cases) {
    const std::string name = std::string(c.vpoints) + " AT " + c.morningLine + c.scratch;
    fill(card.matrix, row++,
         {{3, "4"}, {45, name}, {1714, c.vpoints}, {44, c.morningLine}, {1436, c.scratch}});
    if (c.listed) expected.push_back(name);
  }
  press(control::kVulnerableFavorite, notify::kPushed);
  EXPECT_EQ(horses(), expected);
  EXPECT_EQ(screen.viewLabel, "VULNERABLE FAVORITE");
}

TEST_F(ListCommandsTest, SomeCommandsCloseTheNewestReportWindowFirst) {
  fillAngleCard(card.matrix);
  screen.selectedRace = " 1";
  struct Case {
    int id;
    bool closes;
  };
  const Case cases[] = {
      {control::kVulnerableFavorite, true},
      {control::kLowestWeight, true},
      {control::kTrainerJockey, true},
      {control::kFirstTimeMaiden, true},
      {control::kFormula, true},
      {control::kUncoupledTrainers, false},
      {control::kBestWorkouts, false},
      {control::kBreak, false},
      {control::kPowerPlay, false},
      {control::kStatistics, false},
      {control::kRaceView, false},
      {control::kKeyTrainerStats, false},
      {control::kHorseRecords, false},
  };
  for (const Case& c : cases) {
    const int before = view.reportCloses;
    press(c.id);
    EXPECT_EQ(view.reportCloses - before, c.closes ? 1 : 0) << c.id;
  }
  // Every report opened a window of its own; none closed an earlier one.
  std::vector<std::string> captions;
  for (const TextGrid::Document& d : view.reports.documents()) captions.push_back(d.caption);
  const std::string name = "KSV1208.DRF";
  EXPECT_EQ(captions, (std::vector<std::string>{name + std::string(51, ' ') + "UNCOUPLED TRAINERS",
                                                name + std::string(77, ' ') + "PAST PERFORMANCES",
                                                name + std::string(77, ' ') + "KEY TRAINER STATS",
                                                name + std::string(77, ' ') + "HORSE RECORDS"}));
}

TEST_F(ListCommandsTest, EachCommandAnswersItsNotificationCodes) {
  fillAngleCard(card.matrix);
  screen.selectedRace = " 1";
  struct Case {
    int id;
    int code;
    bool answers;
  };
  const Case cases[] = {
      {control::kVulnerableFavorite, notify::kPushed, true},
      {control::kVulnerableFavorite, notify::kDoubleClicked, false},
      {control::kUncoupledTrainers, notify::kPushed, true},
      {control::kStatistics, notify::kPushed, true},
      {control::kStatistics, notify::kDoubleClicked, false},
      {control::kRaceView, notify::kClicked, true},
      {control::kRaceView, notify::kPushed, true},
      {control::kRaceView, notify::kDoubleClicked, false},
      {control::kKeyTrainerStats, notify::kClicked, true},
      {control::kKeyTrainerStats, notify::kPushed, false},
      {control::kHorseRecords, notify::kPushed, true},
      {control::kHorseRecords, notify::kDoubleClicked, false},
      {control::kHorseRecords, -1, false},
      {control::kHorseRecords, 40, false},
  };
  for (const Case& c : cases) {
    const std::size_t opened = view.reports.documents().size();
    EXPECT_EQ(press(c.id, c.code), c.answers) << c.id << " " << c.code;
    if (!c.answers) {
      EXPECT_EQ(view.reports.documents().size(), opened) << c.id << " " << c.code;
    }
  }
  EXPECT_EQ(findCommand(control::kEntriesList), nullptr);
}

TEST_F(ListCommandsTest, WithNoRaceChosenTheRaceReportsOpenNothing) {
  fillAngleCard(card.matrix);
  for (const char* race : {"0", "", "-1"}) {
    screen.selectedRace = race;
    view.labels.clear();
    press(control::kRaceView);
    press(control::kHorseRecords);
    EXPECT_EQ(view.labels.count(control::kViewLabel), 0u) << race;
    press(control::kKeyTrainerStats);
    EXPECT_EQ(view.labels[control::kViewLabel], "TRAINER STATS") << race;
  }
  EXPECT_TRUE(view.reports.documents().empty());
}

TEST_F(ListCommandsTest, WithoutADataFileUncoupledTrainersAndStatisticsDoNothing) {
  fillAngleCard(card.matrix);
  press(control::kBreak);
  card.dataFilePath.clear();
  const std::map<int, int> changes = view.changes;
  for (int id : {control::kUncoupledTrainers, control::kStatistics}) {
    ASSERT_TRUE(press(id)) << id;
    EXPECT_EQ(screen.viewLabel, "BREAK") << id;
    EXPECT_EQ(horses(), (std::vector<std::string>{"E"})) << id;
  }
  EXPECT_EQ(view.changes, changes);
  EXPECT_TRUE(view.reports.documents().empty());
  // The other angles need no file.
  press(control::kFormula);
  EXPECT_EQ(screen.viewLabel, "FORMULA");
}

TEST_F(ListCommandsTest, TheStatisticsListShowsTwentyTwoCellsOfEachRunner) {
  card.matrix.reset(3);
  fill(card.matrix, 1,
       {{3, "1"},           {4, "2"},       {43, "2A"},     {45, "STATS HORSE"}, {44, "2.5"},
        {210, "E"},         {211, "7"},     {1497, "+3"},   {1493, "23"},        {1499, "*"},
        {1500, "25  1.80"}, {1470, "87"},   {86, "6"},      {1471, "80.4"},      {92, "11"},
        {1513, "84"},       {1603, "F23 "}, {1604, "12.6"}, {1605, "101"},       {51, "120"},
        {1501, "4"},        {1491, "88.5"}, {1607, "45"},   {97, "20"},          {98, "2"},
        {99, "3"},          {100, "4"}});
  fill(card.matrix, 2, {{3, "1"}, {4, "3"}, {45, "NO RECORD"}});
  fill(card.matrix, 3, {{3, "2"}, {4, "1"}, {45, "OTHER RACE"}});
  screen.selectedRace = " 1";
  ASSERT_TRUE(press(control::kStatistics));
  EXPECT_EQ(screen.viewLabel, "APV  F23  RR  SEL");
  ASSERT_EQ(screen.entries.rows.size(), 2u);
  EXPECT_EQ(
      screen.entries.rows[0],
      (TextRow{" 1",    " 2",       "2A",         "STATS HORSE", " 2.5",       "E",    "7",   "+3",
               "  23*", "25  1.80", "   87    6", "   80   11",  "   84   17", "F23 ", " 13", "101",
               "120",   "  4",      " 88",        " 45   9  20", "",           ""}));
  EXPECT_EQ(screen.entries.rows[1],
            (TextRow{" 1",   " 3",  "",           "NO RECORD",   " 0.0",       "", "0",   "",
                     "   0", "",    "    0    0", "    0    0",  "    0    0", "", "  0", "  0",
                     "  0",  "  0", "  0",        "  0   0   0", "",           ""}));
  EXPECT_EQ(screen.entries.titles.size(), 22u);
  EXPECT_EQ(screen.entries.titles[19], "ITM FIN STR");
  EXPECT_EQ(screen.listRowCount, 2);
  EXPECT_EQ(view.widths[control::kEntriesList], statisticsListWidths());
}

TEST_F(ListCommandsTest, TheNextListOfRunnersTakesBackTheTenTitles) {
  fillAngleCard(card.matrix);
  press(control::kStatistics);  // no race chosen: the titles alone
  EXPECT_TRUE(screen.entries.rows.empty());
  EXPECT_EQ(screen.entries.titles, statisticsListTitles());
  // A list with no horse adds no row, so the titles stay.
  card.matrix.setText(3, col::kFirstTimeMaidenFlag, "");
  press(control::kFirstTimeMaiden);
  EXPECT_TRUE(screen.entries.rows.empty());
  EXPECT_EQ(screen.entries.titles.size(), 22u);
  press(control::kBreak);
  EXPECT_EQ(screen.entries.titles, entriesListTitles());
  ASSERT_EQ(screen.entries.rows.size(), 1u);
  EXPECT_EQ(screen.entries.rows[0].size(), 10u);
  // The widths the statistics list set are not set again.
  EXPECT_EQ(view.widths.size(), 1u);
}

}  // namespace
}  // namespace kestravo
