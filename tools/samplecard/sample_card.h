// The sample-card maker: a whole race card of invented horses in the past-performance data
// file layout, realistic enough to handicap and the same byte for byte for the same options,
// so that demonstrations, tests and benchmarks can share one bundled card.
#pragma once

#include <cstdint>
#include <string>

namespace kestravo {

struct SampleCardOptions {
  int races = 10;
  int minEntries = 8;
  int maxEntries = 12;
  std::uint64_t seed = 1;
  std::string trackCode = "KSV";
  std::string raceDate = "20261208";
};

// What is wrong with the options, in a sentence, or empty text when the card can be made:
// 1 to 99 races, 1 to 20 entries a race with the minimum at most the maximum, a track code of
// 1 to 5 capital letters or digits, and a real race date YYYYMMDD in the years 2010 to 2035.
std::string sampleCardProblem(const SampleCardOptions& options);

// The whole data file text: one CR LF record of 1,435 fields per entry, races in order.
// Throws std::invalid_argument (with sampleCardProblem's sentence) for unusable options.
std::string makeSampleCard(const SampleCardOptions& options);

}  // namespace kestravo
