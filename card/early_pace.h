// Early pace of every past race and the class average of the last three: how close to the
// lead a horse was at the first two calls and how fast the opening fraction went, which
// pace figures speak for the early and middle part of a race of that distance, and ACL3.
#pragma once

namespace kestravo {

class CardMatrix;

// Points for running position at the first call, the second call and the first fraction.
int firstCallPoints(long double position, long double lengthsBehind);
int secondCallPoints(long double position, long double lengthsBehind);
int fractionPoints(long double seconds);

// Entry pass 1's pace work for one row, after its dates: early-position points of every
// past race, E1/E2 with the all-weather surface mark, then ACL3.
void computeEarlyPace(CardMatrix& matrix, int row);

}  // namespace kestravo
