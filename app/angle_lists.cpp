#include "app/angle_lists.h"

#include <cctype>

#include "app/controls.h"
#include "app/trainer_reports.h"
#include "card/fields.h"
#include "card/single.h"

namespace kestravo {

namespace {

// A favourite on the morning line (5-2 or shorter) whose figures give three or more
// vulnerability points.
constexpr long double kMostFavoriteOdds = single(2.5f);
constexpr long double kLeastVulnerabilityPoints = 3;

}  // namespace

std::string angleName(const AngleList& angle) {
  std::string name;
  for (char c : angle.title) {
    name += c == ' ' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return name;
}

const AngleList* findAngleList(std::string_view idOrName) {
  for (const AngleList& angle : kAngleLists) {
    if (idOrName == std::to_string(angle.controlId) || idOrName == angleName(angle)) return &angle;
  }
  return nullptr;
}

bool fitsAngle(const AngleList& angle, const CardMatrix& m, int row) {
  if (angle.mark) return m.text(row, angle.mark->column) == angle.mark->text;
  return m.value(row, col::kVPOINTS) >= kLeastVulnerabilityPoints &&
         m.value(row, field::kMorningLine) <= kMostFavoriteOdds;
}

void showAngleList(const AngleList& angle, Card& card, MainView& view, MainScreen& screen) {
  if (angle.closesReport) view.closeReportWindow();
  clearList(view, screen, control::kEntriesList);
  setLabel(view, screen, control::kViewLabel, std::string(angle.title));
  screen.listRowCount = 0;
  const CardMatrix& m = card.matrix;
  for (int row = 1; row <= m.entryCount(); ++row) {
    if (!fitsAngle(angle, m, row) || m.scratched(row)) continue;
    addEntryRow(card, screen, row);
    ++screen.listRowCount;
  }
  view.listChanged(control::kEntriesList);
}

void uncoupledTrainersCommand(Card& card, MainView& view, MainScreen& screen) {
  if (card.dataFilePath.empty()) return;
  showAngleList(*findAngleList(control::kUncoupledTrainers), card, view, screen);
  drawUncoupledTrainers(card, screen.dataFileShortName, view.reportCanvas());
}

}  // namespace kestravo
