// The columns the handicapping figures write: readiness, speed summaries and record
// counts, the connections' percentages, the angle flags and the vulnerability grades.
#pragma once

#include "card/blocks.h"

namespace kestravo::col {

// Last-race and readiness figures.
inline constexpr int kF23 = 1603;  // "F23 "
inline constexpr int kRR = 1604;
inline constexpr int kSEL = 1605;
inline constexpr int kREADY = 1703;  // "0", "1", "2" or empty

// Speed summaries, workout totals and record counts.
inline constexpr WorkoutBlock kWKPTS{1682};  // shown as TOT
inline constexpr int kBEST1 = 1481;
inline constexpr int kBEST2 = 1482;
inline constexpr int kBEST3 = 1526;
inline constexpr int kAV3 = 1491;
inline constexpr int kITMPURSE = 1704;
inline constexpr int kWINS10 = 1709;
inline constexpr int kMDNLOSS = 1711;

// Trainer, jockey, weight and record figures.
inline constexpr int kTW = 1493;    // TW%
inline constexpr int kJWIN = 1494;  // JWIN%
inline constexpr int kWTCHG = 1497;
inline constexpr int kTWMARK = 1499;
inline constexpr int kKEYSTAT = 1500;
inline constexpr int kLW = 1501;  // LW%

// Angle flags and the age at the last race.
inline constexpr int kLowestWeightFlag = 1520;     // "LW "
inline constexpr int kFirstTimeMaidenFlag = 1522;  // "FT "
inline constexpr int kAGELR = 1524;
inline constexpr int kBestWorkoutsFlag = 1599;   // "FW "
inline constexpr int kBreakFlag = 1600;          // "BR "
inline constexpr int kPowerPlayFlag = 1601;      // "PR "
inline constexpr int kTrainerJockeyFlag = 1623;  // "TJ "

// Vulnerability grades and points.
inline constexpr int kRACETOPSRLR = 1701;
inline constexpr int kVSRLR = 1702;
inline constexpr int kVRECORD = 1705;
inline constexpr int kVTRAINER = 1706;
inline constexpr int kVJOCKEY = 1707;
inline constexpr int kVDROP = 1708;
inline constexpr int kVNOWIN = 1710;
inline constexpr int kVMDNLOSS = 1712;
inline constexpr int kVRECENT = 1713;
inline constexpr int kVPOINTS = 1714;

}  // namespace kestravo::col
