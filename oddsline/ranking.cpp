#include "oddsline/ranking.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <type_traits>
#include <vector>

#include "format/numeric.h"

namespace kestravo {

namespace {

// Races of up to this many starters are ranked by counting, without sorting or allocating.
constexpr std::size_t kCountedStarters = 32;

// Ranks by sorting the rounded values, each taken as `key` gives it; the keys must keep the
// order of the rounded values and their ties.
template <typename Key>
void rankSorted(const std::vector<long double>& rounded, const long double* values, int* ranks,
                Key key) {
  using K = std::invoke_result_t<Key, long double>;
  const std::size_t n = rounded.size();
  std::vector<K> keys(n);
  for (std::size_t i = 0; i < n; ++i) keys[i] = key(rounded[i]);
  std::vector<K> slots = keys;
  std::sort(slots.begin(), slots.end(), std::greater<>());
  for (std::size_t i = 0; i < n; ++i) {
    const auto first = std::lower_bound(slots.begin(), slots.end(), keys[i], std::greater<>());
    ranks[i] = values[i] > 0 ? static_cast<int>(first - slots.begin()) + 1 : 0;
  }
}

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
  // Whole figures below 2^62 in size, as every sound figure is, are sorted as machine
  // integers: exact, in the same order, and without moving extended-precision values about.
  constexpr auto kTwoTo62 = static_cast<long double>(std::int64_t{1} << 62);
  if (std::all_of(rounded.begin(), rounded.end(),
                  [](long double v) { return v > -kTwoTo62 && v < kTwoTo62; })) {
    rankSorted(rounded, values, ranks, [](long double v) { return static_cast<long long>(v); });
    return;
  }
  rankSorted(rounded, values, ranks, [](long double v) { return v; });
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
