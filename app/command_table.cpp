#include "app/command_table.h"

#include <limits>

#include "app/angle_lists.h"
#include "app/controls.h"
#include "app/race_commands.h"
#include "app/report_commands.h"
#include "app/statistics_list.h"
#include "app/value_commands.h"

namespace kestravo {

namespace {

constexpr unsigned answers(std::initializer_list<int> codes) {
  unsigned bits = 0;
  for (int code : codes) bits |= 1u << code;
  return bits;
}

constexpr unsigned kClick = answers({notify::kClicked});
constexpr unsigned kClickOrPush = answers({notify::kClicked, notify::kPushed});
constexpr unsigned kDoubleClick = answers({notify::kDoubleClicked});

constexpr CommandRow kCommands[] = {
    {control::kOpenDataFile, kClickOrPush, openDataFile},
    {control::kRacesList, kDoubleClick, chooseRace},
    {control::kScratch, kClick, scratchCommand},
    // Angle lists of the whole card.
    {control::kVulnerableFavorite, kClickOrPush, angleCommand<control::kVulnerableFavorite>},
    {control::kLowestWeight, kClickOrPush, angleCommand<control::kLowestWeight>},
    {control::kTrainerJockey, kClickOrPush, angleCommand<control::kTrainerJockey>},
    {control::kFirstTimeMaiden, kClickOrPush, angleCommand<control::kFirstTimeMaiden>},
    {control::kUncoupledTrainers, kClickOrPush, uncoupledTrainersCommand},
    {control::kBestWorkouts, kClickOrPush, angleCommand<control::kBestWorkouts>},
    {control::kBreak, kClickOrPush, angleCommand<control::kBreak>},
    {control::kPowerPlay, kClickOrPush, angleCommand<control::kPowerPlay>},
    {control::kFormula, kClickOrPush, angleCommand<control::kFormula>},
    // The chosen race.
    {control::kStatistics, kClickOrPush, showStatisticsList},
    {control::kRaceView, kClickOrPush, showPastPerformances},
    {control::kKeyTrainerStats, kClick, showKeyTrainerStats},
    {control::kHorseRecords, kClickOrPush, showHorseRecords},
    {control::kValue, kClickOrPush, showValueWindow},
};

}  // namespace

bool CommandRow::accepts(int code) const {
  return code >= 0 && code < std::numeric_limits<unsigned>::digits && ((codes >> code) & 1u) != 0;
}

std::span<const CommandRow> commandTable() { return kCommands; }

const CommandRow* findCommand(int controlId) {
  for (const CommandRow& row : kCommands) {
    if (row.controlId == controlId) return &row;
  }
  return nullptr;
}

bool runCommand(Card& card, MainView& view, MainScreen& screen, int controlId, int code) {
  const CommandRow* row = findCommand(controlId);
  if (!row || !row->accepts(code)) return false;
  row->action(card, view, screen);
  return true;
}

}  // namespace kestravo
