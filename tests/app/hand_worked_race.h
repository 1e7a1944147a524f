// A race whose ratings and prices were worked out by hand, for the tests of the load and
// of the views over it.
#pragma once

#include <string>

#include "card/columns.h"
#include "support/card_builder.h"

namespace kestravo::testing {

struct Runner {
  const char* name;
  const char* speed;
  const char* prime;
  const char* pace1;
  const char* late;
  const char* classFigure;
};

// A six-furlong race whose ratings were worked out by hand:
//            SRLR  PRIME  EPLR  LPLR  ACL3   points              total  rank  KOL
//   ALPHA     90    100    95    80    80    10 10  6  4  4       34     1    2-1
//   BRAVO     90     95    90    85    85    10  6  4  6  6       32     2    2.5-1
//   CHARLIE   85      0   100    70    70     4  0 10  2  2       18     4    5-1
//   DELTA     70     90    80    90    90     2  4  2 10 10       28     3    3-1
//   ECHO      99    120   110    99    99    (scratched after the first load)
inline std::string handWorkedRace() {
  const Runner runners[] = {
      {"ALPHA", "90", "100", "95", "80", "80"}, {"BRAVO", "90", "95", "90", "85", "85"},
      {"CHARLIE", "85", "", "100", "70", "70"}, {"DELTA", "70", "90", "80", "90", "90"},
      {"ECHO", "99", "120", "110", "99", "99"},
  };
  CardBuilder b;
  int post = 1;
  for (const Runner& r : runners) {
    b.entry(1, post++, r.name)
        .set(field::kDistance, "1320")
        .set(field::kPastDistance.race(1), "1320")
        .set(field::kPastSpeed.race(1), r.speed)
        .set(field::kPrime, r.prime)
        .set(field::kPastPace1.race(1), r.pace1)
        .set(field::kPastLate.race(1), r.late);
    for (int j = 1; j <= 3; ++j) b.set(field::kPastClassFigure.race(j), r.classFigure);
  }
  return b.text();
}

}  // namespace kestravo::testing
