#include "app/main_screen.h"

#include "app/controls.h"

namespace kestravo {

TextList& MainScreen::list(int controlId) {
  return controlId == control::kRaceDetailList ? raceDetail : entries;
}

const TextList& MainScreen::list(int controlId) const {
  return controlId == control::kRaceDetailList ? raceDetail : entries;
}

std::string shortNameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string cardShortName(const Card& card) {
  const std::string name = shortNameOf(card.dataFilePath);
  if (card.archiveMember.empty()) return name;
  return shortNameOf(card.archiveMember) + " (" + name + ")";
}

void setLabel(MainView& view, MainScreen& screen, int controlId, const std::string& text) {
  switch (controlId) {
    case control::kFileLabel:
      screen.fileLabel = text;
      break;
    case control::kRaceLabel:
      screen.raceLabel = text;
      break;
    default:
      screen.viewLabel = text;
  }
  view.setLabel(controlId, text);
}

void clearList(MainView& view, MainScreen& screen, int controlId) {
  screen.list(controlId).rows.clear();
  (controlId == control::kRaceDetailList ? screen.raceDetailRows : screen.entryRows).clear();
  view.listChanged(controlId);
}

void addEntryRow(const Card& card, MainScreen& screen, int row) {
  screen.entries.titles = entriesListTitles();
  screen.entries.rows.push_back(entryRowCells(card.matrix, row));
  screen.entryRows.push_back(row);
}

void addRaceDetailRow(const Card& card, MainScreen& screen, int row) {
  screen.raceDetail.rows.push_back(raceDetailRowCells(card.matrix, row));
  screen.raceDetailRows.push_back(row);
}

void fillList(const Card& card, MainView& view, MainScreen& screen, int controlId,
              const std::vector<int>& rows) {
  clearList(view, screen, controlId);
  screen.listRowCount = 0;
  for (int row : rows) {
    if (controlId == control::kEntriesList) {
      addEntryRow(card, screen, row);
    } else {
      addRaceDetailRow(card, screen, row);
    }
    ++screen.listRowCount;
  }
  view.listChanged(controlId);
}

void tellProblems(MainView& view, const std::vector<std::string>& messages) {
  for (const std::string& message : messages) view.showMessage(message, kMessageCaption);
}

}  // namespace kestravo
