// Fuzzes a whole card load: whatever a data file holds must load as far as it goes, with
// every figure and the odds line computed behind it, and never crash, hang or run away with
// memory. The first byte chooses whether a scratch file made from the rest of the input is
// laid beside the card first, so the scratch reader is driven through a real load too.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/load_card.h"
#include "card/columns.h"
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
  return 0;
}
