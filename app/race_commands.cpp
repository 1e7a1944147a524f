#include "app/race_commands.h"

#include <algorithm>

#include "app/controls.h"
#include "app/list_rows.h"
#include "app/load_card.h"
#include "app/scratch_window.h"
#include "app/text_list.h"
#include "format/text.h"

namespace kestravo {

void openDataFile(Card& card, MainView& view, MainScreen& screen) {
  view.closeReportWindow();
  setLabel(view, screen, control::kFileLabel, "");
  setLabel(view, screen, control::kRaceLabel, "");
  setLabel(view, screen, control::kViewLabel, "OPEN A DATA FILE");
  clearList(view, screen, control::kEntriesList);
  clearList(view, screen, control::kRaceDetailList);
  screen.selectedRace = "0";
  screen.liveOdds.clear();
  card.dataFilePath = view.chooseDataFile();
  card.archiveMember.clear();
  if (card.dataFilePath.empty()) view.showMessage("LOAD A DATA FILE", kMessageCaption);
  LoadProblems problems = openCard(card);
  if (!problems.cardChoices.empty()) {
    // An archive of several cards: the handicapper picks one, or cancels as at the dialog.
    card.archiveMember = view.chooseCardInArchive(problems.cardChoices);
    if (card.archiveMember.empty()) {
      card.dataFilePath.clear();
      view.showMessage("LOAD A DATA FILE", kMessageCaption);
    }
    problems = openCard(card);
  }
  tellProblems(view, problems.messages);
  showRaces(card, view, screen);
  view.valueViewChanged();
}

void showRaces(const Card& card, MainView& view, MainScreen& screen) {
  screen.races.clear();
  for (int r = 1; r <= card.raceCount; ++r) {
    screen.races.push_back(card.raceLine[static_cast<std::size_t>(r)]);
  }
  view.listChanged(control::kRacesList);
  screen.dataFileShortName = cardShortName(card);
  setLabel(view, screen, control::kFileLabel, screen.dataFileShortName);
}

void chooseRace(Card& card, MainView& view, MainScreen& screen) {
  const int selected = view.selectedRow(control::kRacesList);
  if (selected < 0 || static_cast<std::size_t>(selected) >= screen.races.size()) return;
  view.closeReportWindow();
  clearList(view, screen, control::kEntriesList);
  clearList(view, screen, control::kRaceDetailList);
  screen.selectedRace = screen.races[static_cast<std::size_t>(selected)].substr(0, 2);
  setLabel(view, screen, control::kRaceLabel, "R" + std::string(trimBlanks(screen.selectedRace)));
  setLabel(view, screen, control::kViewLabel, "RACE VIEW");
  const std::vector<int> rows = raceViewRows(card.matrix, screen.selectedRace);
  fillList(card, view, screen, control::kEntriesList, rows);
  fillList(card, view, screen, control::kRaceDetailList, rows);
  view.valueViewChanged();
}

void scratchCommand(Card& card, MainView& view, MainScreen& screen) {
  setLabel(view, screen, control::kViewLabel, "SCRATCH WINDOW");
  view.closeReportWindow();
  {
    ScratchWindow window(card, screen.selectedRace);
    view.runScratchWindow(window);
  }
  // Closing the window always recomputes the whole card from the files.
  const LoadProblems problems = loadCard(card);
  tellProblems(view, problems.messages);
  // The race detail list is refilled as the window closes, then the entries.
  const std::vector<int> rows = raceViewRows(card.matrix, screen.selectedRace);
  fillList(card, view, screen, control::kRaceDetailList, rows);
  fillList(card, view, screen, control::kEntriesList, rows);
  view.valueViewChanged();
}

void sortEntries(MainView& view, MainScreen& screen, int column) {
  if (column < 0) return;
  screen.sortToggle ^= 1;
  const auto key = [column](const TextRow& r) {
    if (static_cast<std::size_t>(column) >= r.size()) return 0.0L;
    return sortValue(r[static_cast<std::size_t>(column)]);
  };
  const bool ascending = screen.sortToggle == 1;
  std::vector<TextRow>& rows = screen.entries.rows;
  std::vector<std::size_t> order(rows.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return ascending ? key(rows[a]) < key(rows[b]) : key(rows[b]) < key(rows[a]);
  });
  const auto reorder = [&order](auto& items) {
    std::remove_reference_t<decltype(items)> sorted;
    sorted.reserve(items.size());
    for (std::size_t i : order) sorted.push_back(std::move(items[i]));
    items = std::move(sorted);
  };
  const bool detailFollows = !screen.entryRows.empty() && screen.raceDetailRows == screen.entryRows;
  reorder(rows);
  reorder(screen.entryRows);
  view.listChanged(control::kEntriesList);
  if (detailFollows) {
    reorder(screen.raceDetail.rows);
    reorder(screen.raceDetailRows);
    view.listChanged(control::kRaceDetailList);
  }
}

}  // namespace kestravo
