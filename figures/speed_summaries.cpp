#include "figures/speed_summaries.h"

#include <algorithm>
#include <array>
#include <functional>

#include "card/card_matrix.h"
#include "card/columns.h"
#include "figures/columns.h"
#include "format/numeric.h"

namespace kestravo {

namespace {

constexpr std::array<int, 3> kBestColumns = {col::kBEST1, col::kBEST2, col::kBEST3};

// Each figure is rounded to a whole number first (a half to the even neighbour), and two
// races of the same figure fill two places.
void bestThree(CardMatrix& m, int row, bool scratched) {
  std::array<long double, kPastRaces> figures{};
  for (int k = 0; k < kPastRaces; ++k) {
    figures[static_cast<std::size_t>(k)] =
        roundedHalfEven(m.value(row, field::kPastSpeed.race0(k)));
  }
  std::partial_sort(figures.begin(), figures.begin() + kBestColumns.size(), figures.end(),
                    std::greater<>());
  for (std::size_t i = 0; i < kBestColumns.size(); ++i) {
    if (!scratched && figures[i] > 0) {
      m.setMasked(row, kBestColumns[i], "###", figures[i]);
    } else {
      m.setText(row, kBestColumns[i], "0");
    }
  }
}

// The last race must have a figure; a missing one of the two before it is left out of the
// average, a negative one spoils it.
void averageOfThree(CardMatrix& m, int row, bool scratched) {
  const long double a = m.value(row, field::kPastSpeed.race0(0));
  const long double b = m.value(row, field::kPastSpeed.race0(1));
  const long double c = m.value(row, field::kPastSpeed.race0(2));
  if (scratched || !(a > 0)) {
    m.setText(row, col::kAV3, "0");
  } else if (b > 0 && c > 0) {
    m.setMasked(row, col::kAV3, "###", (a + b + c) / 3);
  } else if (b > 0 && c == 0) {
    m.setMasked(row, col::kAV3, "###", (a + b) / 2);
  } else if (b == 0 && c > 0) {
    m.setMasked(row, col::kAV3, "###", (a + c) / 2);
  } else if (b == 0 && c == 0) {
    m.setMasked(row, col::kAV3, "###", a);
  } else {
    m.setText(row, col::kAV3, "0");
  }
}

}  // namespace

void computeSpeedSummaries(CardMatrix& m, int row) {
  const bool scratched = m.scratched(row);
  bestThree(m, row, scratched);
  averageOfThree(m, row, scratched);
}

}  // namespace kestravo
