// Column numbers of the card: the data-file fields that the handicapping reads and the
// computed columns each stage writes. Repeated groups (ten past races, twelve workouts)
// are addressed through pastRace() and workout() so that no bare column number appears
// in the logic.
#pragma once

namespace kestravo {

inline constexpr int kFieldCount = 1435;   // fields per data-file record
inline constexpr int kColumnCount = 2001;  // columns 0..2000 of every card row
inline constexpr int kPastRaces = 10;
inline constexpr int kWorkouts = 12;

// Past race j (1 = most recent) of a block starting at column `block`.
constexpr int pastRace(int block, int j) { return block + j - 1; }
// Workout w (1 = most recent) of a block starting at column `block`.
constexpr int workout(int block, int w) { return block + w - 1; }

namespace field {
inline constexpr int kFirst = 1;
inline constexpr int kRaceDate = 2;
inline constexpr int kRaceNumber = 3;
inline constexpr int kPostPosition = 4;
inline constexpr int kDistance = 6;  // yards; negative for an about-distance
inline constexpr int kSurface = 7;
inline constexpr int kRaceType = 9;
inline constexpr int kRestriction = 10;
inline constexpr int kClassification = 11;
inline constexpr int kPurse = 12;
inline constexpr int kAllWeather = 25;
inline constexpr int kTrainer = 28;
inline constexpr int kJockey = 33;
inline constexpr int kProgramNumber = 43;
inline constexpr int kMorningLine = 44;
inline constexpr int kHorseName = 45;
inline constexpr int kDaysSinceLastRace = 224;
inline constexpr int kPrime = 251;

// Past-race blocks.
inline constexpr int kPastDate = 256;
inline constexpr int kPastDayGap = 266;  // gap before past race j; j = 1..9 used
inline constexpr int kPastDistance = 316;
inline constexpr int kPastSurface = 326;
inline constexpr int kPastFirstCallPosition = 576;
inline constexpr int kPastSecondCallPosition = 586;
inline constexpr int kPastFinishPosition = 616;
inline constexpr int kPastFirstCallLengths = 666;
inline constexpr int kPastSecondCallLengths = 686;
inline constexpr int kPastFinishLengths = 736;
inline constexpr int kPastPace1 = 766;
inline constexpr int kPastPace2 = 776;
inline constexpr int kPastPace3 = 786;
inline constexpr int kPastPace4 = 796;
inline constexpr int kPastLate = 816;
inline constexpr int kPastClassFigure = 836;
inline constexpr int kPastSpeed = 846;
inline constexpr int kPastPurse = 556;
inline constexpr int kPastFirstFraction = 876;
inline constexpr int kPastClassText = 1086;
inline constexpr int kPastAllWeather = 1403;

// Workout blocks.
inline constexpr int kWorkoutDate = 102;
}  // namespace field

namespace col {
inline constexpr int kScratchMark = 1436;    // "S" when scratched
inline constexpr int kDaysSincePast = 1437;  // block: 224 then 266..274
inline constexpr int kE1 = 1447;             // block per past race
inline constexpr int kE2 = 1457;             // block per past race
inline constexpr int kPickFlag = 1531;       // block per past race, from the scratch file
inline constexpr int kRaceDayNumber = 1546;
inline constexpr int kPastRaceExists = 1547;  // block per past race: "1" / "0"
inline constexpr int kWorkoutDays = 1608;     // block per workout
inline constexpr int kEarlyPoints = 1716;     // block per past race
inline constexpr int kACL3 = 1729;

// Odds line.
inline constexpr int kPrimeRank = 1726;
inline constexpr int kEPLRRank = 1727;
inline constexpr int kLPLRRank = 1728;
inline constexpr int kACL3Rank = 1730;
inline constexpr int kSRLRRank = 1699;
inline constexpr int kSRLRPoints = 1731;
inline constexpr int kACL3Points = 1732;
inline constexpr int kPrimePoints = 1733;
inline constexpr int kEPLRPoints = 1734;
inline constexpr int kLPLRPoints = 1735;
inline constexpr int kTotalPoints = 1736;
inline constexpr int kPointsRank = 1738;
inline constexpr int kKOL = 1740;
inline constexpr int kEPLR = 1741;

// Figures of the handicapper's picked past races.
inline constexpr int kPickedE1 = 1541;
inline constexpr int kPickedE2 = 1542;
inline constexpr int kPickedLate = 1543;
inline constexpr int kPickedSpeed = 1544;
inline constexpr int kPickedClass = 1545;
inline constexpr int kPickedFinish = 1557;
inline constexpr int kPickedBeaten = 1558;
inline constexpr int kPickedSurface = 1620;
inline constexpr int kPickedDistance = 1621;
}  // namespace col

}  // namespace kestravo
