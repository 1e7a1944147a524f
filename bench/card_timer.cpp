// kestravo-card-timer: how long opening a card takes, beside the time it takes merely to read
// the same bytes and count their commas, in one run so that both meet the same machine.
// Prints one line per card for the scripts beside it (compare_parsers.sh, scaling.sh). Times
// are the thread's processor time, so that a machine shared with other work, which may take
// the processor away in the middle of a run, does not count against either side.
#include <time.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/load_card.h"
#include "bench/read_and_count.h"

namespace {

constexpr std::string_view kUsage =
    "usage: kestravo-card-timer [--runs N] CARD...\n"
    "\n"
    "Opens each CARD (the whole computation: the read, the scratch step, every figure and the\n"
    "race lines) N times (default 200) after one opening that makes its scratch file, and as\n"
    "often reads the same bytes and counts their commas, taking the thread's processor time of\n"
    "each. Prints per card:\n"
    "  CARD entries=E races=R bytes=B open_us=MEDIAN baseline_us=MEDIAN ratio=OPEN/BASELINE\n"
    "  per_entry_us=OPEN/E\n";

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

// Processor time of this thread, in microseconds.
double threadMicroseconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

int timeCard(const std::string& path, int runs) {
  kestravo::Card card;
  card.dataFilePath = path;
  const kestravo::LoadProblems first = kestravo::openCard(card);
  if (!first.dataFileRead) {
    std::cerr << "kestravo-card-timer: " << path << " was not loaded\n";
    return 1;
  }
  std::string buffer;
  std::size_t commas = 0;
  std::vector<double> open, baseline;
  // Taken turn about, so that a machine shared with others slows both alike.
  for (int i = 0; i < runs; ++i) {
    const double a = threadMicroseconds();
    commas += kestravo::bench::readAndCountCommas(path, buffer);
    const double b = threadMicroseconds();
    kestravo::openCard(card);
    const double c = threadMicroseconds();
    baseline.push_back(b - a);
    open.push_back(c - b);
  }
  const double openUs = median(open);
  const double baselineUs = median(baseline);
  std::printf(
      "%s entries=%d races=%d bytes=%zu open_us=%.1f baseline_us=%.1f ratio=%.2f "
      "per_entry_us=%.3f\n",
      path.c_str(), card.entryCount(), card.raceCount, buffer.size(), openUs, baselineUs,
      openUs / baselineUs, openUs / std::max(card.entryCount(), 1));
  return commas == 0 ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 200;
  std::vector<std::string> cards;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return 0;
    }
    if (arg == "--runs" && i + 1 < argc) {
      const std::string_view value = argv[++i];
      const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), runs);
      if (error != std::errc() || end != value.data() + value.size() || runs < 1) {
        std::cerr << kUsage;
        return 2;
      }
      continue;
    }
    cards.emplace_back(arg);
  }
  if (cards.empty()) {
    std::cerr << kUsage;
    return 2;
  }
  int status = 0;
  for (const std::string& card : cards) status |= timeCard(card, runs);
  return status;
}
