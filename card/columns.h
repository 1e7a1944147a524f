// The card's own computed columns: the scratch mark and pick flags from the scratch file,
// the day counts, the early pace of every past race, the workout values and the time-par,
// record and form figures that rest on a horse's own fields alone.
#pragma once

#include "card/fields.h"

namespace kestravo::col {

inline constexpr int kScratchMark = 1436;  // "S" when scratched
// Days since the last race (race 1), then the gap before each earlier race.
inline constexpr PastRaceBlock kDaysSincePast{1437};
inline constexpr PastRaceBlock kE1{1447};
inline constexpr PastRaceBlock kE2{1457};
inline constexpr PastRaceBlock kPickFlag{1531};  // from the scratch file
inline constexpr int kRaceDayNumber = 1546;
inline constexpr PastRaceBlock kPastRaceExists{1547};  // "1" / "0"
inline constexpr WorkoutBlock kWorkoutDays{1608};      // days from the workout to today
inline constexpr PastRaceBlock kEarlyPoints{1716};
inline constexpr int kACL3 = 1729;

// Workout values, in the order the workout loop writes them.
inline constexpr WorkoutBlock kWorkoutTimeFigure{1624};
inline constexpr WorkoutBlock kTrackValue{1646};
inline constexpr WorkoutBlock kConditionValue{1658};
inline constexpr WorkoutBlock kDescriptionValue{1670};

// Time-par, record and form figures.
inline constexpr int kPWR = 1715;
inline constexpr int kParMark = 1530;  // "P"
inline constexpr PastRaceBlock kDistanceParFigure{1636};
inline constexpr int kAPVLifetime = 1469;
inline constexpr int kAPVFirstYear = 1470;
inline constexpr int kAPVSecondYear = 1471;
inline constexpr int kAPVDistance = 1472;
inline constexpr int kAPVTrack = 1473;
inline constexpr int kAPVDirt = 1474;
inline constexpr int kAPVTurf = 1475;
inline constexpr int kAPVAllWeather = 1476;
inline constexpr int kAPVYears = 1513;  // both yearly records together
inline constexpr int kInTheMoneyPercent = 1607;

}  // namespace kestravo::col
