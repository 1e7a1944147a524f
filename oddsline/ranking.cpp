#include "oddsline/ranking.h"

#include <algorithm>
#include <functional>

#include "format/numeric.h"

namespace kestravo {

std::vector<int> rankValues(const std::vector<long double>& values) {
  // Each value is rounded once: a rank is one more than the count of rounded values above it.
  std::vector<long double> rounded;
  rounded.reserve(values.size());
  for (long double v : values) rounded.push_back(roundedHalfEven(v));
  std::vector<long double> slots = rounded;
  std::sort(slots.begin(), slots.end(), std::greater<>());
  std::vector<int> ranks;
  ranks.reserve(values.size());
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (!(values[i] > 0)) {
      ranks.push_back(0);
      continue;
    }
    const auto first = std::lower_bound(slots.begin(), slots.end(), rounded[i], std::greater<>());
    ranks.push_back(static_cast<int>(first - slots.begin()) + 1);
  }
  return ranks;
}

void rankWithinRace(CardMatrix& m, const RaceRows& races, int valueColumn, int rankColumn) {
  std::vector<long double> values;
  for (const std::vector<int>& rows : races) {
    values.clear();
    for (int row : rows) values.push_back(m.value(row, valueColumn));
    const std::vector<int> ranks = rankValues(values);
    for (std::size_t i = 0; i < rows.size(); ++i) {
      if (ranks[i] > 0) m.setMasked(rows[i], rankColumn, "##", ranks[i]);
    }
  }
}

}  // namespace kestravo
