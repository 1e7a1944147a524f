#include "oddsline/ranking.h"

#include <algorithm>
#include <functional>

#include "format/numeric.h"

namespace kestravo {

namespace {

// Races of up to this many starters are ranked by counting, without sorting or allocating.
constexpr std::size_t kCountedStarters = 32;

// Each value is rounded once: a rank is one more than the count of rounded values above it.
void rankInto(const long double* values, std::size_t n, int* ranks) {
  if (n <= kCountedStarters) {
    long double rounded[kCountedStarters];
    for (std::size_t i = 0; i < n; ++i) rounded[i] = roundedHalfEven(values[i]);
    for (std::size_t i = 0; i < n; ++i) {
      int above = 0;
      for (std::size_t j = 0; j < n; ++j) above += rounded[j] > rounded[i] ? 1 : 0;
      ranks[i] = values[i] > 0 ? above + 1 : 0;
    }
    return;
  }
  std::vector<long double> rounded(values, values + n);
  for (long double& v : rounded) v = roundedHalfEven(v);
  std::vector<long double> slots = rounded;
  std::sort(slots.begin(), slots.end(), std::greater<>());
  for (std::size_t i = 0; i < n; ++i) {
    const auto first = std::lower_bound(slots.begin(), slots.end(), rounded[i], std::greater<>());
    ranks[i] = values[i] > 0 ? static_cast<int>(first - slots.begin()) + 1 : 0;
  }
}

}  // namespace

std::vector<int> rankValues(const std::vector<long double>& values) {
  std::vector<int> ranks(values.size());
  rankInto(values.data(), values.size(), ranks.data());
  return ranks;
}

void rankWithinRace(CardMatrix& m, const RaceRows& races, int valueColumn, int rankColumn) {
  std::vector<long double> values;
  std::vector<int> ranks;
  for (const std::vector<int>& rows : races) {
    values.clear();
    for (int row : rows) values.push_back(m.value(row, valueColumn));
    ranks.resize(values.size());
    rankInto(values.data(), values.size(), ranks.data());
    for (std::size_t i = 0; i < rows.size(); ++i) {
      if (ranks[i] > 0) m.setMasked(rows[i], rankColumn, "##", ranks[i]);
    }
  }
}

}  // namespace kestravo
