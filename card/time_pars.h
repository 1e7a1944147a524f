// Time-par figures: a work or a past race measured against the par time of its distance,
// 115 for a run in par and five points a second either way; with them the power figure PWR
// and the par mark of a horse whose speed figures reach today's par. The card's share of
// entry pass 2 runs here, workouts and records included.
#pragma once

#include <optional>

namespace kestravo {

class CardMatrix;

// The par time in seconds of a race of `furlongs`; none for a distance between the listed
// ones (only the odd distances just past a mile, above 8 and below 8.5 furlongs, share one).
std::optional<long double> timePar(long double furlongs);
// Works are rated at the whole distances of three to eight furlongs only.
std::optional<long double> workoutTimePar(long double furlongs);

// PWR: the late pace of the last race and four further items, for a horse back within 50
// days that was not far back early in both of its last two races. Scratched horses too.
void computePWR(CardMatrix& matrix, int row);
// "P" when the last race's speed figure, or the figure in field 844, reaches today's par.
void computeParMark(CardMatrix& matrix, int row);
// The time figure of workout w (1 to 12).
void computeWorkoutTimeFigure(CardMatrix& matrix, int row, int w);
// The distance-par figure of every past race, less the lengths the horse was beaten.
void computeDistanceParFigures(CardMatrix& matrix, int row);

// The card's own figures of a row in entry pass 2: PWR, the par mark, the values of every
// workout (time figure, track, condition, description), the distance pars, the APV figures
// and the in-the-money percentage.
void computeTimeParsAndRecords(CardMatrix& matrix, int row);

}  // namespace kestravo
