// Load speed of a 120-entry card (12 races of 10 entries from the sample-card maker): the
// whole computation to the odds line and the same plus the race lines as an open does,
// each for the card as it is and zipped (a zipped open is to cost at most twice a plain
// one), beside them a baseline that only reads the same bytes and counts their commas; and
// the refusal of a file past the record limit.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#include "app/load_card.h"
#include "bench/read_and_count.h"
#include "card/columns.h"
#include "card/record_reader.h"
#include "oddsline/columns.h"
#include "support/zip_maker.h"
#include "tools/samplecard/sample_card.h"

namespace {

// The folder of this run's cards and scratch files, removed when the run ends.
const std::filesystem::path& benchFolder() {
  static const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("kestravo-bench-" + std::to_string(::getpid()));
  return dir;
}

void removeBenchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(benchFolder(), ignored);
}

const std::string& cardPath() {
  static const std::string path = [] {
    const auto& dir = benchFolder();
    std::filesystem::create_directories(dir);
    std::atexit(removeBenchFolder);
    kestravo::SampleCardOptions options;
    options.races = 12;
    options.minEntries = options.maxEntries = 10;
    const std::string p = (dir / "KSV1208.DRF").string();
    std::ofstream(p, std::ios::binary) << kestravo::makeSampleCard(options);
    return p;
  }();
  return path;
}

using Paths = std::vector<std::string>;

const Paths& plainCard() {
  static const Paths paths{cardPath()};
  return paths;
}

// The same card in two zip archives, each in a folder of its own so its scratch file is its
// own. A note beside the card makes the archives differ, so the loader's memory of the card
// read last never serves the next open: each open inflates the card as the first open of an
// archive does.
const Paths& zippedCards() {
  static const Paths paths = [] {
    std::ifstream in(cardPath(), std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Paths made;
    for (const char* name : {"zipped1", "zipped2"}) {
      const auto dir = std::filesystem::path(cardPath()).parent_path() / name;
      std::filesystem::create_directories(dir);
      const std::string p = (dir / "KSV1208.zip").string();
      if (!kestravo::testing::writeZip(p, {{"KSV1208.DRF", text}, {"note.txt", name}})) {
        std::abort();
      }
      made.push_back(p);
    }
    return made;
  }();
  return paths;
}

std::int64_t cardBytes() {
  return static_cast<std::int64_t>(std::filesystem::file_size(cardPath()));
}

void BM_ReadAndCountCommas(benchmark::State& state) {
  std::string buffer;
  for (auto _ : state) {
    benchmark::DoNotOptimize(kestravo::bench::readAndCountCommas(cardPath(), buffer));
  }
  state.SetBytesProcessed(state.iterations() * cardBytes());
}
BENCHMARK(BM_ReadAndCountCommas)->Unit(benchmark::kMicrosecond);

void BM_ReadRecords(benchmark::State& state) {
  std::ifstream in(cardPath(), std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  for (auto _ : state) {
    benchmark::DoNotOptimize(kestravo::readRecords(text, kestravo::kFieldCount, 10000).recordCount);
  }
  state.SetBytesProcessed(state.iterations() * cardBytes());
}
BENCHMARK(BM_ReadRecords)->Unit(benchmark::kMicrosecond);

using Step = kestravo::LoadProblems (*)(kestravo::Card&);

// `step` on the cards at `paths()`, one after the other: loadCard computes a card, openCard
// adds the race lines.
void BM_Card(benchmark::State& state, Step step, const Paths& (*paths)()) {
  std::vector<kestravo::Card> cards(paths().size());
  for (std::size_t i = 0; i < cards.size(); ++i) {
    cards[i].dataFilePath = paths()[i];
    step(cards[i]);  // the first load creates the scratch file
  }
  std::size_t next = 0;
  for (auto _ : state) {
    kestravo::Card& card = cards[next++ % cards.size()];
    step(card);
    benchmark::DoNotOptimize(card.entryCount());
  }
  state.SetBytesProcessed(state.iterations() * cardBytes());
  state.counters["entries"] = cards.front().entryCount();
}
BENCHMARK_CAPTURE(BM_Card, load_plain, kestravo::loadCard, plainCard)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Card, load_zipped, kestravo::loadCard, zippedCards)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Card, open_plain, kestravo::openCard, plainCard)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Card, open_zipped, kestravo::openCard, zippedCards)
    ->Unit(benchmark::kMicrosecond);

// A file of 20,000 tiny records is refused by rule: the refusal should cost about a read of
// its bytes, not the decoding of its first 10,000 records.
void BM_RefuseTwentyThousandTinyRecords(benchmark::State& state) {
  const std::string path = (std::filesystem::path(cardPath()).parent_path() / "TINY.DRF").string();
  {
    std::ofstream out(path, std::ios::binary);
    for (int i = 0; i < 20000; ++i) out << "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16\r\n";
  }
  kestravo::Card card;
  card.dataFilePath = path;
  for (auto _ : state) {
    const kestravo::LoadProblems problems = kestravo::readDataFile(card);
    benchmark::DoNotOptimize(problems.dataFileRead);
  }
  state.SetBytesProcessed(state.iterations() *
                          static_cast<std::int64_t>(std::filesystem::file_size(path)));
}
BENCHMARK(BM_RefuseTwentyThousandTinyRecords)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
