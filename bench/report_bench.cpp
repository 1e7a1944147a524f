// Drawing the past-performance screen of the sample card's largest race on the text grid,
// beside opening the same card, in one run: the screen should take less time than the open
// that precedes it.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "app/load_card.h"
#include "reports/past_performances.h"
#include "reports/text_grid.h"

namespace {

// The bundled card, copied to a folder of the run's own so its scratch file is made there.
const std::string& cardPath() {
  static const std::string path = [] {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("kestravo-report-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const auto p = dir / "KSV1208.DRF";
    std::filesystem::copy_file(std::string(KESTRAVO_SOURCE_DIR) + "/samples/KSV1208.DRF", p,
                               std::filesystem::copy_options::overwrite_existing);
    return p.string();
  }();
  return path;
}

void BM_OpenCard(benchmark::State& state) {
  kestravo::Card card;
  card.dataFilePath = cardPath();
  kestravo::openCard(card);
  for (auto _ : state) {
    kestravo::openCard(card);
    benchmark::DoNotOptimize(card.raceLine.size());
  }
  state.counters["entries"] = card.entryCount();
}
BENCHMARK(BM_OpenCard)->Unit(benchmark::kMicrosecond);

void BM_PastPerformancesOfLargestRace(benchmark::State& state) {
  kestravo::Card card;
  card.dataFilePath = cardPath();
  kestravo::openCard(card);
  const auto largest = std::max_element(card.raceStarters.begin(), card.raceStarters.end());
  const int race = static_cast<int>(largest - card.raceStarters.begin());
  const std::string selected = card.raceLine[static_cast<std::size_t>(race)].substr(0, 2);
  std::size_t bytes = 0;
  for (auto _ : state) {
    kestravo::TextGrid grid;
    kestravo::drawPastPerformances(card, selected, "KSV1208.DRF", grid);
    bytes = grid.text().size();
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["race"] = race;
  state.counters["starters"] = *largest;
  state.counters["text_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_PastPerformancesOfLargestRace)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
