#include "app/scratch_window.h"

#include "format/mask.h"
#include "format/numeric.h"

namespace kestravo {

namespace {
constexpr std::size_t kRaceCell = 0;
constexpr std::size_t kPostCell = 1;
constexpr std::size_t kMarkCell = 4;
}  // namespace

ScratchWindow::ScratchWindow(Card& card) : card_(card) {
  list_.titles = {"RACE", "PP", "PR", "HORSE", "SCRATCH"};
  const ScratchTable& t = card_.scratchTable;
  list_.rows.reserve(static_cast<std::size_t>(t.entryCount()));
  for (int h = 1; h <= t.entryCount(); ++h) {
    list_.rows.push_back({Format("##", t.field(h, scratch::kRaceNumber)),
                          Format("##", t.field(h, scratch::kPostPosition)),
                          std::string(t.field(h, scratch::kProgramNumber)),
                          std::string(t.field(h, scratch::kHorseName)),
                          std::string(t.field(h, scratch::kMark))});
  }
}

std::string ScratchWindow::doubleClick(int row) {
  ScratchTable& t = card_.scratchTable;
  if (row >= 0 && static_cast<std::size_t>(row) < list_.rows.size()) {
    const TextRow& chosen = list_.rows[static_cast<std::size_t>(row)];
    const long double race = numericValue(chosen[kRaceCell]);
    const long double post = numericValue(chosen[kPostCell]);
    for (int h = 1; h <= t.entryCount(); ++h) {
      if (numericValue(t.field(h, scratch::kRaceNumber)) != race ||
          numericValue(t.field(h, scratch::kPostPosition)) != post) {
        continue;
      }
      const std::string_view mark = t.field(h, scratch::kMark);
      if (mark != "" && mark != "S") continue;
      const std::string flipped = mark.empty() ? "S" : "";
      t.setField(h, scratch::kMark, flipped);
      // Every flipped entry shows its new mark, so the list always shows what the file holds.
      list_.rows[static_cast<std::size_t>(h - 1)][kMarkCell] = flipped;
    }
  }
  if (card_.scratchFileName.empty()) return {};
  std::string error;
  WriteScratchFile(t, card_.scratchFileName, &error);
  return error;
}

}  // namespace kestravo
