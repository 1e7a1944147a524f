#include "card/early_pace.h"

#include <cmath>
#include <optional>

#include "card/card_matrix.h"
#include "card/columns.h"
#include "card/single.h"

namespace kestravo {

namespace {

// Yard limits of the pace-figure choice: sprints up to about five furlongs use the first
// call for both figures; routes of a mile and a quarter and up take the fourth figure.
constexpr long double kShortSprint = 1100;
constexpr long double kSprint = 1650;
constexpr long double kRoute = 2200;

struct PaceChoice {
  PastRaceBlock e1Block;
  PastRaceBlock e2Block;
};

// The blocks E1 and E2 copy for a race of `yards`; none for a distance of 0.
std::optional<PaceChoice> choosePace(long double yards) {
  if (yards > 0 && yards <= kShortSprint) return PaceChoice{field::kPastPace1, field::kPastPace1};
  if (yards > kShortSprint && yards <= kSprint) {
    return PaceChoice{field::kPastPace1, field::kPastPace2};
  }
  if (yards > kSprint && yards < kRoute) return PaceChoice{field::kPastPace2, field::kPastPace3};
  if (yards >= kRoute) return PaceChoice{field::kPastPace2, field::kPastPace4};
  return std::nullopt;
}

void earlyPositionPoints(CardMatrix& m, int row) {
  for (int j = 1; j <= kPastRaces; ++j) {
    const int points = firstCallPoints(m.value(row, field::kPastFirstCallPosition.race(j)),
                                       m.value(row, field::kPastFirstCallBehind.race(j))) +
                       secondCallPoints(m.value(row, field::kPastSecondCallPosition.race(j)),
                                        m.value(row, field::kPastSecondCallBehind.race(j))) +
                       fractionPoints(m.value(row, field::kPastFirstFraction.race(j)));
    m.setWhole(row, col::kEarlyPoints.race(j), points);
  }
}

void paceFigures(CardMatrix& m, int row, bool scratched) {
  for (int j = 1; j <= kPastRaces; ++j) {
    const auto choice = scratched
                            ? std::nullopt
                            : choosePace(std::fabs(m.value(row, field::kPastDistance.race(j))));
    if (choice) {
      m.setText(row, col::kE1.race(j), m.text(row, choice->e1Block.race(j)));
      m.setText(row, col::kE2.race(j), m.text(row, choice->e2Block.race(j)));
    } else {
      m.setText(row, col::kE1.race(j), "0");
      m.setText(row, col::kE2.race(j), "0");
    }
    if (!scratched && m.text(row, field::kPastAllWeather.race(j)) == "A") {
      m.setText(row, field::kPastSurface.race(j), "A");
    }
  }
}

// The average of the class figures of the last three races that have one; a negative
// figure spoils the average.
void averageClass(CardMatrix& m, int row, bool scratched) {
  const long double c1 = m.value(row, field::kPastClassFigure.race(1));
  const long double c2 = m.value(row, field::kPastClassFigure.race(2));
  const long double c3 = m.value(row, field::kPastClassFigure.race(3));
  if (scratched || c1 < 0 || c2 < 0 || c3 < 0) {
    m.setText(row, col::kACL3, "0");
    return;
  }
  const int present = (c1 > 0) + (c2 > 0) + (c3 > 0);
  if (present == 0) {
    m.setText(row, col::kACL3, "0");
    return;
  }
  m.setMasked(row, col::kACL3, "####", (c1 + c2 + c3) / present);
}

}  // namespace

int firstCallPoints(long double p, long double l) {
  if (p == 1) return 30;
  if (l > 0 && l <= 1 && p > 1) return 30;
  if (l > 1 && l <= single(1.5f) && p > 1) return 26;
  if (l > single(1.5f) && l <= 2 && p > 1) return 21;
  if (l > 2 && l <= single(2.5f) && p > 1) return 15;
  if (l > single(2.5f) && l <= 3 && p > 1) return 8;
  if (l > 3) return 1;
  return 0;
}

int secondCallPoints(long double p, long double l) {
  if (p == 1) return 30;
  if (l > 0 && l <= 1 && p > 1) return 24;
  if (l > 1 && l <= single(1.5f) && p > 1) return 16;
  if (l > single(1.5f) && l <= single(2.5f) && p > 1) return 6;
  if (l > single(2.5f)) return 1;
  return 0;
}

// The bounds are single-precision constants compared with the cell's value, as the scale
// was first built: exactly 23.6 falls below single(23.6f) and scores 3, exactly 22 and exactly 21
// fall between the open intervals and score nothing.
int fractionPoints(long double t) {
  if (t == 0) return 0;
  if (t > 24) return 0;
  if (t == 24) return 1;
  if (t >= single(23.8f) && t < 24) return 1;
  if (t >= single(23.6f) && t < single(23.8f)) return 2;
  if (t >= single(23.4f) && t < single(23.6f)) return 3;
  if (t >= single(23.2f) && t < single(23.4f)) return 4;
  if (t >= 23 && t < single(23.2f)) return 5;
  if (t >= single(22.8f) && t < 23) return 6;
  if (t >= single(22.6f) && t < single(22.8f)) return 7;
  if (t >= single(22.4f) && t < single(22.6f)) return 8;
  if (t > single(22.2f) && t < single(22.4f)) return 14;
  if (t > 22 && t < single(22.2f)) return 20;
  if (t > single(21.8f) && t < 22) return 26;
  if (t > single(21.6f) && t < single(21.8f)) return 31;
  if (t > single(21.4f) && t <= single(21.6f)) return 35;
  if (t > single(21.2f) && t <= single(21.4f)) return 38;
  if (t > 21 && t <= single(21.2f)) return 40;
  if (t > 0 && t < 21) return 40;
  return 0;
}

void computeEarlyPace(CardMatrix& m, int row) {
  const bool scratched = m.scratched(row);
  earlyPositionPoints(m, row);
  paceFigures(m, row, scratched);
  averageClass(m, row, scratched);
}

}  // namespace kestravo
