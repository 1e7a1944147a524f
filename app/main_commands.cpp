#include "app/main_commands.h"

#include <algorithm>

#include "app/controls.h"
#include "app/list_rows.h"
#include "app/load_card.h"
#include "app/scratch_window.h"
#include "format/numeric.h"
#include "format/text.h"

namespace kestravo {

namespace {

constexpr std::size_t kSortTextLimit = 256;

}  // namespace

std::string shortNameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

MainCommands::MainCommands(Card& card, MainView& view) : card_(card), view_(view) {
  entries_.titles = entriesListTitles();
  raceDetail_.titles = raceDetailListTitles();
}

// One row per command: the control, the notification codes it acts on, what it does.
struct MainCommands::CommandRow {
  int controlId;
  std::initializer_list<int> codes;
  void (MainCommands::*action)();
};

const MainCommands::CommandRow* MainCommands::findCommand(int controlId) {
  static const CommandRow kCommands[] = {
      {control::kOpenDataFile, {notify::kClicked, notify::kPushed}, &MainCommands::openDataFile},
      {control::kRacesList, {notify::kDoubleClicked}, &MainCommands::chooseRace},
      {control::kScratch, {notify::kClicked}, &MainCommands::scratchCommand},
  };
  for (const CommandRow& row : kCommands) {
    if (row.controlId == controlId) return &row;
  }
  return nullptr;
}

bool MainCommands::hasCommand(int controlId) const { return findCommand(controlId) != nullptr; }

bool MainCommands::command(int controlId, int code) {
  const CommandRow* row = findCommand(controlId);
  if (!row || std::find(row->codes.begin(), row->codes.end(), code) == row->codes.end()) {
    return false;
  }
  (this->*row->action)();
  return true;
}

const TextList& MainCommands::list(int controlId) const {
  return controlId == control::kRaceDetailList ? raceDetail_ : entries_;
}

void MainCommands::openDataFile() {
  view_.closeReportWindow();
  view_.setLabel(control::kFileLabel, "");
  view_.setLabel(control::kRaceLabel, "");
  view_.setLabel(control::kViewLabel, "OPEN A DATA FILE");
  clearList(control::kEntriesList);
  clearList(control::kRaceDetailList);
  selectedRace_ = "0";
  card_.dataFilePath = view_.chooseDataFile();
  if (card_.dataFilePath.empty()) view_.showMessage("LOAD A DATA FILE", kMessageCaption);
  const LoadProblems problems = openCard(card_);
  tellProblems(problems.messages);
  races_.clear();
  for (int r = 1; r <= card_.raceCount; ++r) {
    races_.push_back(card_.raceLine[static_cast<std::size_t>(r)]);
  }
  view_.listChanged(control::kRacesList);
  dataFileShortName_ = shortNameOf(card_.dataFilePath);
  view_.setLabel(control::kFileLabel, dataFileShortName_);
}

void MainCommands::chooseRace() {
  const int selected = view_.selectedRow(control::kRacesList);
  if (selected < 0 || static_cast<std::size_t>(selected) >= races_.size()) return;
  view_.closeReportWindow();
  clearList(control::kEntriesList);
  clearList(control::kRaceDetailList);
  selectedRace_ = races_[static_cast<std::size_t>(selected)].substr(0, 2);
  view_.setLabel(control::kRaceLabel, "R" + std::string(trimBlanks(selectedRace_)));
  view_.setLabel(control::kViewLabel, "RACE VIEW");
  const std::vector<int> rows = raceViewRows(card_.matrix, selectedRace_);
  fillList(control::kEntriesList, rows);
  fillList(control::kRaceDetailList, rows);
}

void MainCommands::scratchCommand() {
  view_.setLabel(control::kViewLabel, "SCRATCH WINDOW");
  view_.closeReportWindow();
  {
    ScratchWindow window(card_, selectedRace_);
    view_.runScratchWindow(window);
  }
  // Closing the window always recomputes the whole card from the files.
  const LoadProblems problems = loadCard(card_);
  tellProblems(problems.messages);
  // The race detail list is refilled as the window closes, then the entries.
  const std::vector<int> rows = raceViewRows(card_.matrix, selectedRace_);
  fillList(control::kRaceDetailList, rows);
  fillList(control::kEntriesList, rows);
}

void MainCommands::columnClicked(int controlId, int column) {
  if (controlId != control::kEntriesList || column < 0) return;
  sortToggle_ ^= 1;
  const auto key = [column](const TextRow& r) {
    if (static_cast<std::size_t>(column) >= r.size()) return 0.0L;
    return numericValue(
        std::string_view(r[static_cast<std::size_t>(column)]).substr(0, kSortTextLimit));
  };
  const bool ascending = sortToggle_ == 1;
  std::vector<std::size_t> order(entries_.rows.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    const TextRow& x = entries_.rows[a];
    const TextRow& y = entries_.rows[b];
    return ascending ? key(x) < key(y) : key(y) < key(x);
  });
  const auto reorder = [&order](auto& items) {
    std::remove_reference_t<decltype(items)> sorted;
    sorted.reserve(items.size());
    for (std::size_t i : order) sorted.push_back(std::move(items[i]));
    items = std::move(sorted);
  };
  const bool detailFollows = !entryRows_.empty() && raceDetailRows_ == entryRows_;
  reorder(entries_.rows);
  reorder(entryRows_);
  view_.listChanged(control::kEntriesList);
  if (detailFollows) {
    reorder(raceDetail_.rows);
    reorder(raceDetailRows_);
    view_.listChanged(control::kRaceDetailList);
  }
}

void MainCommands::clearList(int controlId) {
  if (controlId == control::kRaceDetailList) {
    raceDetail_.rows.clear();
    raceDetailRows_.clear();
  } else {
    entries_.rows.clear();
    entryRows_.clear();
  }
  view_.listChanged(controlId);
}

void MainCommands::fillList(int controlId, const std::vector<int>& rows) {
  clearList(controlId);
  listRowCount_ = 0;
  for (int row : rows) {
    if (controlId == control::kEntriesList) {
      addEntryRow(row);
    } else {
      addRaceDetailRow(row);
    }
    ++listRowCount_;
  }
  view_.listChanged(controlId);
}

void MainCommands::addEntryRow(int row) {
  // A statistics list may have retitled the columns; the race view puts its own back.
  entries_.titles = entriesListTitles();
  entries_.rows.push_back(entryRowCells(card_.matrix, row));
  entryRows_.push_back(row);
}

void MainCommands::addRaceDetailRow(int row) {
  raceDetail_.rows.push_back(raceDetailRowCells(card_.matrix, row));
  raceDetailRows_.push_back(row);
}

void MainCommands::tellProblems(const std::vector<std::string>& messages) {
  for (const std::string& message : messages) view_.showMessage(message, kMessageCaption);
}

}  // namespace kestravo
