// The races of a sample card and the class levels of the races its horses ran before: kinds
// of race, their purses, classification texts, speed pars, distances and surfaces.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/samplecard/rng.h"

namespace kestravo::samplecard {

enum class Surface { Dirt, Turf, AllWeather };

// In rising order of class; the two maiden kinds come first.
enum class RaceKind {
  MaidenClaiming,
  MaidenSpecialWeight,
  Claiming,
  Allowance,
  OptionalClaiming,
  Stakes
};

bool isMaiden(RaceKind kind);
// Race type code of the data file: "M" maiden claiming, "S" maiden special weight, "C", "A",
// "N" optional claiming, "T" stakes.
std::string_view raceTypeCode(RaceKind kind);
// Dirt and all-weather races both carry "D"; all-weather is told by its own flag field.
std::string_view surfaceCode(Surface surface);

// The class of one race: what it was called, what it paid and the speed figure that usually
// wins it.
struct ClassLevel {
  RaceKind kind = RaceKind::Claiming;
  std::string classification;
  int purse = 0;
  int speedPar = 0;
};

ClassLevel makeClassLevel(Rng& rng, RaceKind kind);

struct RaceConditions {
  ClassLevel level;
  Surface surface = Surface::Dirt;
  int distance = 0;         // yards; negative for an about-distance
  std::string restriction;  // age letter, ONLY/UP letter, sex letter
  int minAge = 3;
  int maxAge = 8;
};

// The card's races in order. Every card of two or more races has maiden races and exactly one
// all-weather race; `month` keeps two-year-old races to the second half of the year.
std::vector<RaceConditions> planCard(Rng& rng, int races, int month);

// A distance in yards run on the surface, a sprint or a route; turf races are sometimes about
// that far (negative).
int pickDistance(Rng& rng, Surface surface, bool sprint);
inline int absYards(int distance) { return distance < 0 ? -distance : distance; }
inline bool isSprint(int distance) { return absYards(distance) <= 1540; }

// Winning time, in hundredths of a second, of a race run to the given speed figure.
int finalTimeCents(int distance, Surface surface, int winnerFigure);
// The leader's first quarter-mile in hundredths of a second, faster in short and fast races.
int firstFractionCents(Rng& rng, int distance, Surface surface, int winnerFigure);
// Beaten lengths (hundredths) and speed-figure points are worth less of each other the longer
// the race.
int pointsToLengths(int points, int distance);
int lengthsToPoints(int lengths, int distance);

}  // namespace kestravo::samplecard
