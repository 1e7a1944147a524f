// Fuzzes a whole card load and everything shown from it: whatever a data file holds must load
// as far as it goes, with every figure, the odds line and the race lines computed behind it,
// and every view of its first, middle and last race (the race lists, the angle lists, the
// statistics list and the four reports, drawn on the text grid) must come out without a
// crash, a hang or runaway memory. The first byte chooses whether a scratch file made from the
// rest of the input is laid beside the card first, so the scratch reader is driven through a
// real load too.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "app/controls.h"
#include "app/load_card.h"
#include "card/columns.h"
#include "cli/text_screen.h"
#include "oddsline/columns.h"

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

const std::filesystem::path& folder() {
  static const std::filesystem::path dir = [] {
    auto p = std::filesystem::temp_directory_path() /
             ("kestravo-card-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(p);
    return p;
  }();
  return dir;
}

// Every list row has a cell under every title.
void checkList(const kestravo::TextList& list) {
  for (const kestravo::TextRow& row : list.rows) check(row.size() == list.titles.size());
}

// Chooses a race and presses every report and list button, as a handicapper would: the first
// race, one in the middle and the last. The angle lists span the whole card, so showing them
// for every one of 99 races of a card of thousands of tiny records would only repeat work.
void showEveryView(kestravo::Card& card) {
  std::set<int> races;
  if (card.raceCount >= 1) races = {1, (card.raceCount + 1) / 2, card.raceCount};
  for (const int race : races) {
    kestravo::cli::TextScreen screen(card);
    screen.chooseRace(race);
    checkList(screen.screen().entries);
    checkList(screen.screen().raceDetail);
    for (const int id : kestravo::control::kReportCommands) {
      screen.press(id);
      checkList(screen.screen().entries);
    }
    for (const auto& report : screen.reports().documents()) check(!report.caption.empty());
  }
}

void writeFile(const std::filesystem::path& path, const char* data, std::size_t size) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  check(f != nullptr);
  std::fwrite(data, 1, size, f);
  std::fclose(f);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const auto* text = reinterpret_cast<const char*>(data + 1);
  const std::size_t length = size - 1;
  const std::filesystem::path card = folder() / "FUZ0101.DRF";
  const std::filesystem::path scratch = folder() / "FUZ0101.tch";
  std::filesystem::remove(scratch);
  writeFile(card, text, length);
  if (data[0] & 1) writeFile(scratch, text, length);

  kestravo::Card c;
  c.dataFilePath = card.string();
  const kestravo::LoadProblems problems = kestravo::openCard(c);
  // A file over the record limit is refused with its message and leaves the card empty;
  // anything else loads as far as it goes.
  check(problems.dataFileRead || (!problems.messages.empty() && c.entryCount() == 0));
  check(c.raceCount >= 0 && c.raceCount <= kestravo::kMaxRaceNumber);
  check(c.raceLine.size() == static_cast<std::size_t>(c.raceCount) + 1);
  check(c.raceStarters.size() == static_cast<std::size_t>(c.raceCount) + 1);
  for (int row = 1; row <= c.entryCount(); ++row) {
    // Every entry is priced, and only from the ladder.
    check(!c.matrix.text(row, kestravo::col::kKOL).empty());
  }
  showEveryView(c);
  return 0;
}
