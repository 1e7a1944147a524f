// Load speed of a 120-entry card (12 races of 10 entries from the sample-card maker): the
// whole computation to the odds line, the same plus the race lines as an open does, and
// beside them a baseline that only reads the same bytes and counts their commas; and the
// refusal of a file past the record limit.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "app/load_card.h"
#include "card/columns.h"
#include "card/record_reader.h"
#include "oddsline/columns.h"
#include "tools/samplecard/sample_card.h"

namespace {

const std::string& cardPath() {
  static const std::string path = [] {
    const auto dir =
        std::filesystem::temp_directory_path() / ("kestravo-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    kestravo::SampleCardOptions options;
    options.races = 12;
    options.minEntries = options.maxEntries = 10;
    const std::string p = (dir / "KSV1208.DRF").string();
    std::ofstream(p, std::ios::binary) << kestravo::makeSampleCard(options);
    return p;
  }();
  return path;
}

std::int64_t cardBytes() {
  return static_cast<std::int64_t>(std::filesystem::file_size(cardPath()));
}

void BM_ReadAndCountCommas(benchmark::State& state) {
  std::string buffer;
  for (auto _ : state) {
    std::FILE* f = std::fopen(cardPath().c_str(), "rb");
    buffer.resize(static_cast<std::size_t>(cardBytes()));
    const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), f);
    std::fclose(f);
    benchmark::DoNotOptimize(std::count(buffer.data(), buffer.data() + n, ','));
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

void BM_LoadCard(benchmark::State& state) {
  kestravo::Card card;
  card.dataFilePath = cardPath();
  kestravo::loadCard(card);  // the first load creates the scratch file
  for (auto _ : state) {
    kestravo::loadCard(card);
    benchmark::DoNotOptimize(card.entryCount());
  }
  state.SetBytesProcessed(state.iterations() * cardBytes());
  state.counters["entries"] = card.entryCount();
}
BENCHMARK(BM_LoadCard)->Unit(benchmark::kMicrosecond);

void BM_OpenCard(benchmark::State& state) {
  kestravo::Card card;
  card.dataFilePath = cardPath();
  kestravo::openCard(card);
  for (auto _ : state) {
    kestravo::openCard(card);
    benchmark::DoNotOptimize(card.raceLine.size());
  }
  state.SetBytesProcessed(state.iterations() * cardBytes());
}
BENCHMARK(BM_OpenCard)->Unit(benchmark::kMicrosecond);

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
