#include "oddsline/ranking.h"

#include <algorithm>
#include <functional>

#include "format/numeric.h"

namespace kestravo {

std::vector<int> rankValues(const std::vector<long double>& values) {
  std::vector<long double> slots;
  slots.reserve(values.size());
  for (long double v : values) slots.push_back(roundedHalfEven(v));
  std::sort(slots.begin(), slots.end(), std::greater<>());
  std::vector<int> ranks;
  ranks.reserve(values.size());
  for (long double v : values) {
    if (!(v > 0)) {
      ranks.push_back(0);
      continue;
    }
    const auto first =
        std::lower_bound(slots.begin(), slots.end(), roundedHalfEven(v), std::greater<>());
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
