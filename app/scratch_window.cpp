#include "app/scratch_window.h"

#include <utility>
#include <vector>

#include "format/mask.h"
#include "format/numeric.h"

namespace kestravo {

namespace {
constexpr std::size_t kRaceCell = 0;
constexpr std::size_t kPostCell = 1;
constexpr std::size_t kMarkCell = 4;
}  // namespace

ScratchWindow::ScratchWindow(Card& card, std::string_view selectedRace) : card_(card) {
  list_.titles = {"RACE", "PP", "PR", "HORSE", "SCRATCH"};
  const ScratchTable& t = card_.scratchTable;
  const int race = raceNumberOf(selectedRace);
  list_.rows.reserve(static_cast<std::size_t>(t.entryCount()));
  for (int h = 1; h <= t.entryCount(); ++h) {
    if (startRow_ < 0 && race > 0 && raceNumberOf(t.field(h, scratch::kRaceNumber)) == race) {
      startRow_ = h - 1;
    }
    list_.rows.push_back({Format("##", t.field(h, scratch::kRaceNumber)),
                          Format("##", t.field(h, scratch::kPostPosition)),
                          std::string(t.field(h, scratch::kProgramNumber)),
                          std::string(t.field(h, scratch::kHorseName)),
                          std::string(t.field(h, scratch::kMark))});
  }
  if (!card_.scratchFileRead) {
    refusal_ = "THE SCRATCH FILE " + card_.scratchFileName +
               " CANNOT BE READ, SO NO HORSE CAN BE SCRATCHED OR UNSCRATCHED: SAVING WOULD "
               "REPLACE THE MARKS IT HOLDS. IT IS LEFT AS IT IS.";
  }
}

std::string ScratchWindow::doubleClick(int row) {
  if (!refusal_.empty()) return refusal_;
  ScratchTable& t = card_.scratchTable;
  // The entries flipped, with the marks they had.
  std::vector<std::pair<int, std::string>> flipped;
  if (row >= 0 && static_cast<std::size_t>(row) < list_.rows.size()) {
    const TextRow& chosen = list_.rows[static_cast<std::size_t>(row)];
    const long double race = numericValue(chosen[kRaceCell]);
    const long double post = numericValue(chosen[kPostCell]);
    for (int h = 1; h <= t.entryCount(); ++h) {
      if (numericValue(t.field(h, scratch::kRaceNumber)) != race ||
          numericValue(t.field(h, scratch::kPostPosition)) != post) {
        continue;
      }
      const std::string mark(t.field(h, scratch::kMark));
      if (mark != "" && mark != "S") continue;
      flipped.emplace_back(h, mark);
    }
  }
  const auto show = [&](int h, const std::string& mark) {
    t.setField(h, scratch::kMark, mark);
    // Every flipped entry shows its mark, so the list always shows what the file holds.
    list_.rows[static_cast<std::size_t>(h - 1)][kMarkCell] = mark;
  };
  for (const auto& [h, mark] : flipped) show(h, mark.empty() ? "S" : "");
  if (card_.scratchFileName.empty()) return {};
  std::string error;
  if (WriteScratchFile(t, card_.scratchFileName, &error)) return {};
  if (flipped.empty()) return error;
  for (const auto& [h, mark] : flipped) show(h, mark);
  return "NOT SAVED - THE MARK IS BACK AS IT WAS. " + error;
}

}  // namespace kestravo
