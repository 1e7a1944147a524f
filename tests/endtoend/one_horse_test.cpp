// The bundled sample card opened as the user opens it, and one horse followed through every
// figure the card computes for it. Each expected text was worked out by hand from the
// horse's own fields (and, for the figures that compare it with its rivals, from the other
// ten runners of its race); the comments show the working.
//
// The horse is SILENT ARROW, race 8 (six furlongs, 1,320 yards, on dirt, allowance type
// "N", purse 67,000), program number 6, 114 lb, card date 8 December 2026. It has ten past
// races (the most recent 31 days back, beaten 10.5 lengths after leading), nine workouts,
// races on dirt, turf and the all-weather course, trainer and jockey statistics and key
// stats, and it carries five of the six angle flags.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/load_card.h"
#include "card/columns.h"
#include "card/fields.h"
#include "figures/columns.h"
#include "oddsline/columns.h"
#include "support/card_builder.h"

namespace kestravo {
namespace {

using testing::readFile;
using testing::TempFolder;

struct Cell {
  int column;
  std::string expected;
};
using Cells = std::vector<Cell>;

// ---------------------------------------------------------------------------------------
// The scratch file and the dates. The race date 20261208 is day 8037 + 334 + 8 = 8379.
Cells scratchAndDates() {
  return {
      // A first load makes a scratch file that scratches nobody and picks the last race.
      {col::kScratchMark, ""},
      {col::kPickFlag.race(1), "1"},
      {col::kPickFlag.race(2), ""},
      {col::kPickFlag.race(3), ""},
      {col::kPickFlag.race(4), ""},
      {col::kPickFlag.race(5), ""},
      {col::kPickFlag.race(6), ""},
      {col::kPickFlag.race(7), ""},
      {col::kPickFlag.race(8), ""},
      {col::kPickFlag.race(9), ""},
      {col::kPickFlag.race(10), ""},
      // Days since the last race, then the gaps between the earlier ones, copied as given.
      {col::kDaysSincePast.race(1), "31"},
      {col::kDaysSincePast.race(2), "41"},
      {col::kDaysSincePast.race(3), "45"},
      {col::kDaysSincePast.race(4), "26"},
      {col::kDaysSincePast.race(5), "32"},
      {col::kDaysSincePast.race(6), "77"},
      {col::kDaysSincePast.race(7), "38"},
      {col::kDaysSincePast.race(8), "40"},
      {col::kDaysSincePast.race(9), "34"},
      {col::kDaysSincePast.race(10), "26"},
      // Every one of the ten spacings is above 0: the horse has raced ten times.
      {col::kPastRaceExists.race(1), "1"},
      {col::kPastRaceExists.race(2), "1"},
      {col::kPastRaceExists.race(3), "1"},
      {col::kPastRaceExists.race(4), "1"},
      {col::kPastRaceExists.race(5), "1"},
      {col::kPastRaceExists.race(6), "1"},
      {col::kPastRaceExists.race(7), "1"},
      {col::kPastRaceExists.race(8), "1"},
      {col::kPastRaceExists.race(9), "1"},
      {col::kPastRaceExists.race(10), "1"},
      {col::kRaceDayNumber, " 8379"},
      // Days from each work to the race.
      {col::kWorkoutDays.work(1), " 4"},   // 20261204: 8379 - (8037 + 334 + 4)
      {col::kWorkoutDays.work(2), " 12"},  // 20261126: 8379 - (8037 + 304 + 26)
      {col::kWorkoutDays.work(3), " 18"},  // 20261120: 8379 - 8361
      {col::kWorkoutDays.work(4), " 23"},  // 20261115: 8379 - 8356
      {col::kWorkoutDays.work(5), " 36"},  // 20261102: 8379 - (8037 + 304 + 2)
      {col::kWorkoutDays.work(6), " 42"},  // 20261027: 8379 - (8037 + 273 + 27)
      {col::kWorkoutDays.work(7), " 51"},  // 20261018: 8379 - 8328
      {col::kWorkoutDays.work(8), " 58"},  // 20261011: 8379 - 8321
      {col::kWorkoutDays.work(9), " 64"},  // 20261005: 8379 - 8315
      // No tenth to twelfth work: an empty date is day 0, so the count is the race's own day.
      {col::kWorkoutDays.work(10), " 8379"},
      {col::kWorkoutDays.work(11), " 8379"},
      {col::kWorkoutDays.work(12), " 8379"},
  };
}

// ---------------------------------------------------------------------------------------
// Early pace of every past race: first call + second call + first fraction, the pace
// figures chosen by distance, and the class of the last three.
Cells earlyPace() {
  return {
      // Led at both calls (30 + 30); 22.22 s lies between 22.2 and 22.4: 14.
      {col::kEarlyPoints.race(1), " 74"},
      {col::kEarlyPoints.race(2), " 74"},  // led at both calls, 22.24 s: 30 + 30 + 14
      {col::kEarlyPoints.race(3), " 80"},  // led at both calls, 22.09 s: 30 + 30 + 20
      // Second 1.25 back at the first call (26), second 0.5 back at the second (24),
      // 23.38 s between 23.2 and 23.4 (4).
      {col::kEarlyPoints.race(4), " 54"},
      {col::kEarlyPoints.race(5), " 80"},  // led, then 0.5 back, 21.87 s: 30 + 24 + 26
      {col::kEarlyPoints.race(6), " 86"},  // led at both calls, 21.87 s: 30 + 30 + 26
      {col::kEarlyPoints.race(7), " 66"},  // 0.5 back, 1.25 back, 22.06 s: 30 + 16 + 20
      // Exactly one length back at the first call still scores 30; then led; 21.75 s: 31.
      {col::kEarlyPoints.race(8), " 91"},
      {col::kEarlyPoints.race(9), " 60"},   // led, 1.25 back, 22.35 s: 30 + 16 + 14
      {col::kEarlyPoints.race(10), " 86"},  // led at both calls, 21.84 s: 30 + 30 + 26
      // E1 and E2 by the race's distance: up to 1,100 yards pace 1 twice; up to 1,650
      // yards paces 1 and 2; below 2,200 yards paces 2 and 3.
      {col::kE1.race(1), "106"},  // 1,540 yards: paces 1 and 2
      {col::kE2.race(1), "109"},
      {col::kE1.race(2), "95"},  // 1,540 yards
      {col::kE2.race(2), "95"},
      {col::kE1.race(3), "105"},  // 1,210 yards
      {col::kE2.race(3), "99"},
      {col::kE1.race(4), "95"},  // 1,830 yards: paces 2 and 3
      {col::kE2.race(4), "99"},
      {col::kE1.race(5), "98"},  // 1,540 yards
      {col::kE2.race(5), "95"},
      {col::kE1.race(6), "90"},  // 1,100 yards: pace 1 for both
      {col::kE2.race(6), "90"},
      {col::kE1.race(7), "93"},  // 1,320 yards
      {col::kE2.race(7), "90"},
      {col::kE1.race(8), "104"},  // 1,430 yards
      {col::kE2.race(8), "104"},
      {col::kE1.race(9), "104"},  // 1,430 yards
      {col::kE2.race(9), "101"},
      {col::kE1.race(10), "94"},  // 1,210 yards
      {col::kE2.race(10), "90"},
      // The fifth race back was run on the all-weather course: its surface reads "A", the
      // others keep the file's own.
      {field::kPastSurface.race(4), "D"},
      {field::kPastSurface.race(5), "A"},
      {field::kPastSurface.race(10), "T"},
      // Class figures 128, 119, 119: 366 / 3 = 122.
      {col::kACL3, " 122"},
  };
}

// ---------------------------------------------------------------------------------------
// Workout values: the time against the par of the work's distance (115 - 5 x seconds over
// par), the track, the going and how the work was done.
Cells workoutValues() {
  return {
      {col::kWorkoutTimeFigure.work(1), " 90"},  // 6 furlongs in 74.0 against 69: 115 - 25
      // 4 furlongs in 49.6 against 43.6: 115 - 5 x 6.0 = 85
      {col::kWorkoutTimeFigure.work(2), " 85"},
      {col::kWorkoutTimeFigure.work(3), " 93"},  // 4 furlongs in 48.0: 115 - 5 x 4.4 = 93
      {col::kWorkoutTimeFigure.work(4), " 95"},  // 5 furlongs in 60.0 against 56: 115 - 20
      {col::kWorkoutTimeFigure.work(5), " 82"},  // 3 furlongs in 37.0 against 30.4: 115 - 33
      {col::kWorkoutTimeFigure.work(6), " 95"},  // 5 furlongs in 60.0
      {col::kWorkoutTimeFigure.work(7), " 86"},  // 5 furlongs in 61.8: 115 - 5 x 5.8 = 86
      // Best of the day (written -59.6): 5 furlongs in 59.6, 115 - 5 x 3.6 = 97.
      {col::kWorkoutTimeFigure.work(8), " 97"},
      {col::kWorkoutTimeFigure.work(9), " 85"},  // 3 furlongs in 36.4: 115 - 5 x 6.0 = 85
      {col::kWorkoutTimeFigure.work(10), "0"},   // no work: no distance
      {col::kWorkoutTimeFigure.work(11), "0"},
      {col::kWorkoutTimeFigure.work(12), "0"},
      // Main tracks (no training-track indicator): OP 2, GP 4, CD 2, GP for the rest.
      {col::kTrackValue.work(1), "2"},
      {col::kTrackValue.work(2), "4"},
      {col::kTrackValue.work(3), "4"},
      {col::kTrackValue.work(4), "2"},
      {col::kTrackValue.work(5), "4"},
      {col::kTrackValue.work(6), "4"},
      {col::kTrackValue.work(7), "4"},
      {col::kTrackValue.work(8), "4"},
      {col::kTrackValue.work(9), "4"},
      {col::kTrackValue.work(10), "0"},
      {col::kTrackValue.work(11), "0"},
      {col::kTrackValue.work(12), "0"},
      // Fast going throughout except the seventh work, on a good track: 10.
      {col::kConditionValue.work(1), "0"},
      {col::kConditionValue.work(2), "0"},
      {col::kConditionValue.work(3), "0"},
      {col::kConditionValue.work(4), "0"},
      {col::kConditionValue.work(5), "0"},
      {col::kConditionValue.work(6), "0"},
      {col::kConditionValue.work(7), "10"},
      {col::kConditionValue.work(8), "0"},
      {col::kConditionValue.work(9), "0"},
      {col::kConditionValue.work(10), "0"},
      {col::kConditionValue.work(11), "0"},
      {col::kConditionValue.work(12), "0"},
      // Breezing ("B", "B D") earns 10, handily ("H") 0.
      {col::kDescriptionValue.work(1), "10"},  // B
      {col::kDescriptionValue.work(2), "0"},   // H
      {col::kDescriptionValue.work(3), "10"},  // B
      {col::kDescriptionValue.work(4), "10"},  // B
      {col::kDescriptionValue.work(5), "10"},  // B D
      {col::kDescriptionValue.work(6), "10"},  // B
      {col::kDescriptionValue.work(7), "0"},   // H
      {col::kDescriptionValue.work(8), "10"},  // B D
      {col::kDescriptionValue.work(9), "10"},  // B
      {col::kDescriptionValue.work(10), "0"},
      {col::kDescriptionValue.work(11), "0"},
      {col::kDescriptionValue.work(12), "0"},
  };
}

// ---------------------------------------------------------------------------------------
// Time pars of the past races, PWR, the par mark, the value per win of every record and
// the in-the-money percentage.
Cells timeParsAndRecords() {
  return {
      // Back in 31 days, on the lead at the first call of both recent races: late pace 64
      // plus the four power items 5 + 1 + 2 + 2 = 74.
      {col::kPWR, " 74"},
      // Last speed figure 84 is below the par 89, but the other figure 104 reaches it.
      {col::kParMark, "P"},
      // Distance pars: 115 - 5 x (final time - par) - lengths behind at the finish.
      // 7 furlongs in 80.92 against 82.6, beaten 10.5: 115 + 8.4 - 10.5 = 112.9
      {col::kDistanceParFigure.race(1), "113"},
      {col::kDistanceParFigure.race(2), "118"},  // 7 f in 82.04, won: 115 + 2.8 = 117.8
      {col::kDistanceParFigure.race(3), "115"},  // 5.5 f in 62.91 against 63: 115.45
      // A mile and 70 yards (8.32 furlongs, par 99.5) in 98.84, beaten 4.25:
      // 115 + 3.3 - 4.25 = 114.05
      {col::kDistanceParFigure.race(4), "114"},
      {col::kDistanceParFigure.race(5), "112"},  // 7 f in 81.92, beaten 6.5: 111.9
      {col::kDistanceParFigure.race(6), "101"},  // 5 f in 58.73 against 56: 115 - 13.65
      {col::kDistanceParFigure.race(7), "106"},  // 6 f in 70.65, beaten 0.5: 106.25
      // 6.5 furlongs in 75.26 against 76, beaten 0.1: 115 + 3.7 - 0.1 = 118.6
      {col::kDistanceParFigure.race(8), "119"},
      {col::kDistanceParFigure.race(9), "117"},   // 6.5 f in 75.65, beaten 0.1: 116.65
      {col::kDistanceParFigure.race(10), "110"},  // 5.5 f in 64.01, beaten 0.1: 109.85
      // Earnings per weighted finish, 0.6 a win, 0.2 a place, 0.1 a show; the figures
      // are wider than their masks and shown whole.
      // Lifetime 10 starts 3-4-1, 194,300: 194300 / 2.7 = 71963.0
      {col::kAPVLifetime, "71963"},
      {col::kAPVFirstYear, "72304"},   // 2026: 8 starts 3-2-1, 166,300 / 2.3 = 72304.3
      {col::kAPVSecondYear, "70000"},  // 2025: 2 starts 0-2-0, 28,000 / 0.4
      // Both years together: 194,300 / (0.6 x 3 + 0.2 x 4 + 0.1 x 1) = 71963.0
      {col::kAPVYears, "71963"},
      {col::kAPVDistance, "60000"},  // at 6 furlongs 1 start 0-1-0, 12,000 / 0.2
      {col::kAPVTrack, "72000"},     // at this track 4 starts 2-0-0, 86,400 / 1.2
      {col::kAPVDirt, "66789"},      // 7 starts 2-3-1, 126,900 / 1.9 = 66789.5
      {col::kAPVTurf, "84250"},      // 2 starts 1-1-0, 67,400 / 0.8
      {col::kAPVAllWeather, "0"},    // 1 start, out of the money
      // Lifetime 3 wins, 4 places, 1 show from 10 starts: 800 / 10.
      {col::kInTheMoneyPercent, " 80"},
  };
}

// ---------------------------------------------------------------------------------------
// Last-race and readiness figures.
Cells readiness() {
  return {
      {col::kF23, ""},   // finished 8th last time, not 2nd or 3rd
      {col::kRR, "0"},   // has raced
      {col::kSEL, "0"},  // back in 31 days, more than 15
      // Off 31 days (over 30), works 4 and 12 days ago, both within 12 days.
      {col::kREADY, "0"},
  };
}

// ---------------------------------------------------------------------------------------
// Workout totals (time figure + track + going + description), the best speed figures and
// the counts over the last ten races.
Cells speedSummaries() {
  return {
      {col::kWKPTS.work(1), "102"},  // 90 + 2 + 0 + 10
      {col::kWKPTS.work(2), " 89"},  // 85 + 4 + 0 + 0
      {col::kWKPTS.work(3), "107"},  // 93 + 4 + 0 + 10
      {col::kWKPTS.work(4), "107"},  // 95 + 2 + 0 + 10
      {col::kWKPTS.work(5), " 96"},  // 82 + 4 + 0 + 10
      {col::kWKPTS.work(6), "109"},  // 95 + 4 + 0 + 10
      {col::kWKPTS.work(7), "100"},  // 86 + 4 + 10 + 0
      {col::kWKPTS.work(8), "111"},  // 97 + 4 + 0 + 10
      {col::kWKPTS.work(9), " 99"},  // 85 + 4 + 0 + 10
      {col::kWKPTS.work(10), "  0"},
      {col::kWKPTS.work(11), "  0"},
      {col::kWKPTS.work(12), "  0"},
      // Speed figures 84 94 99 90 86 87 92 98 95 89.
      {col::kBEST1, " 99"},
      {col::kBEST2, " 98"},
      {col::kBEST3, " 95"},
      {col::kAV3, " 92"},  // (84 + 94 + 99) / 3 = 92.3
      // No past purse equals today's 67,000: nothing in the money at the purse, and no
      // maiden loss at today's conditions (today is not a maiden race anyway).
      {col::kITMPURSE, ""},
      {col::kMDNLOSS, ""},
      {col::kWINS10, " 3"},  // won the 2nd, 3rd and 6th races back
  };
}

// ---------------------------------------------------------------------------------------
// Trainer, jockey, weight and record figures.
Cells connections() {
  return {
      {col::kTW, " 19"},  // 32 starts at the meet (25 or more): 6 wins x 100 / 32 = 18.75
      // Jockey 18 meet starts, 438 this year: (52 + 1) x 100 / (438 + 18) = 11.6
      {col::kJWIN, " 12"},
      {col::kWTCHG, " -9"},  // 114 lb today after 123
      {col::kTWMARK, "<"},   // trainer at 19 %, 15 or more
      // First key-stat category "31-60 Days Away": 27 % winners, $2 return 1.21.
      {col::kKEYSTAT, " 27   1.21"},
      {col::kLW, " 30"},  // 3 wins from 10 starts
  };
}

// ---------------------------------------------------------------------------------------
// Angle flags and the age at the last race.
Cells angleFlags() {
  return {
      // 114 lb is below all ten weights he carried (116 to 124).
      {col::kLowestWeightFlag, "LW "},
      // Trainer and jockey this year: 7 wins from 36 starts (19.4 %), return 2.66.
      {col::kTrainerJockeyFlag, "TJ "},
      {col::kFirstTimeMaidenFlag, ""},  // not a maiden race today
      // Third work back, 18 days ago (since the last race 31 days ago), 4th of 42 that day.
      {col::kBestWorkoutsFlag, "FW "},
      // On the lead at both calls of the last race, then beaten 10.5 lengths.
      {col::kBreakFlag, "BR "},
      // Same calls with a last speed figure of 84, 80 or more.
      {col::kPowerPlayFlag, "PR "},
      {col::kAGELR, " 5"},  // last raced in 2026, foaled in 2021
  };
}

// ---------------------------------------------------------------------------------------
// The race's rivals, for the figures that rank a horse within its race (none scratched):
//
//   program   SRLR  PRIME  EPLR  LPLR  ACL3    points (SRLR ACL3 PRIME EPLR LPLR)   total
//    1          94   134    104    84   118     4  0 10  4  2                          20
//    2          86   111     92    77   114     0                                      0
//    3          74   117     93    57   112     0                                      0
//    4          76   113     95    59   119     0  1  0  0  0                          1
//    5          92   132     97    91   123     2 10  6  0  4                          22
//    6          84   129    106    64   122     0  6  2  6  0                          14
//    7          83   122     91    59   110     0                                      0
//    8          87   120    101    75   115     0  0  0  2  0                          2
//    9          96   123     76   126   119     6  1  0  0 10                          17
//   10         101   127    107   105   122    10  6  1 10  6                          33
//   11          89   131    100    81   122     1  6  4  1  1                          13
//
// Today is six furlongs, so EPLR is each horse's E1 of its last race.
Cells ratingsAndOddsLine() {
  return {
      {col::kEPLR, "106"},      {col::kSRLRRank, " 8"},  // 101 96 94 92 89 87 86, then 84
      {col::kPrimeRank, " 4"},                           // 134 132 131, then 129
      {col::kEPLRRank, " 2"},                            // 107, then 106
      {col::kLPLRRank, " 8"},                            // 126 105 91 84 81 77 75, then 64
      {col::kACL3Rank, " 2"},                            // 123, then three at 122 share 2nd
      {col::kSRLRPoints, "0"},  {col::kACL3Points, "6"}, {col::kPrimePoints, "2"},
      {col::kEPLRPoints, "6"},  {col::kLPLRPoints, "0"}, {col::kTotalPoints, "  14"},
      {col::kPointsRank, " 5"},  // 33 22 20 17, then 14
      {col::kKOL, "8-1"},        // 13 or 14 points
  };
}

// ---------------------------------------------------------------------------------------
// Vulnerability grades.
Cells vulnerability() {
  return {
      {col::kRACETOPSRLR, "101"},  // program 10's last speed figure
      {col::kVSRLR, "2"},          // 84 / 101 = 0.83, below 0.9
      {col::kVRECORD, "0"},        // placed at six furlongs
      {col::kVTRAINER, "0"},       // trainer 19 %
      {col::kVJOCKEY, "0"},        // jockey 12 %
      {col::kVDROP, "0"},          // dropping from 94,000 and 73,000, but finished 8th
      {col::kVNOWIN, "0"},         // three wins in ten
      {col::kVMDNLOSS, "0"},
      {col::kVRECENT, "2"},  // raced within 45 days
      // READY 0 + VSRLR 2 + VRECENT 2.
      {col::kVPOINTS, " 4"},
  };
}

// ---------------------------------------------------------------------------------------
// QUENTAR STRIKE.
Cells quentarStrike() {
  return {
      {col::kQualifiedMark, ""},  // finished 8th of 8: last, so not qualified
      // Raced 31 days ago, worked 4 days ago: the work is the fresher form; its total.
      {col::kStrikeRating, "102"},
      {col::kStrikeLabel, "W   4"},
  };
}

// ---------------------------------------------------------------------------------------
// Uncoupled-trainer and form marks.
Cells marks() {
  return {
      {col::kUncoupledTrainerMark, ""},  // no other runner of his trainer in the race
      // Best 99 three races back: 31 + 41 + 45 days.
      {col::kDaysSinceBest1, " 117"},
      // 98 eight races back: 117 + 26 + 32 + 77 + 38 + 40.
      {col::kDaysSinceBest2, " 330"},
      {col::kDaysSinceBest3, " 364"},  // 95 nine races back: 330 + 34
      {col::kFormMark, ""},            // a five-year-old; his best is 117 days back
  };
}

// ---------------------------------------------------------------------------------------
// The picked race: only the most recent one.
Cells pickedRaces() {
  return {
      {col::kPickedE1, "106"},        {col::kPickedE2, "109"},       {col::kPickedLate, " 64"},
      {col::kPickedSpeed, " 84"},     {col::kPickedClass, "N94"},  // class "N", purse 94,000
      {col::kPickedFinish, "8"},      {col::kPickedBeaten, " 0.00"}, {col::kPickedSurface, "D"},
      {col::kPickedDistance, " 7.0"},  // 1,540 yards
  };
}

// The sample card opened from a folder of the test's own, so the scratch file it makes is
// a fresh one.
class SilentArrow : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = std::make_unique<TempFolder>();
    card_ = std::make_unique<Card>();
    card_->dataFilePath = dir_->write(
        "KSV1208.DRF", readFile(std::string(KESTRAVO_SOURCE_DIR) + "/samples/KSV1208.DRF"));
    loaded_ = openCard(*card_).dataFileRead;
    for (int r = 1; r <= card_->entryCount(); ++r) {
      if (card_->matrix.text(r, field::kHorseName) == "Silent Arrow") row_ = r;
    }
  }
  static void TearDownTestSuite() {
    card_.reset();
    dir_.reset();
  }

  void SetUp() override {
    ASSERT_TRUE(loaded_);
    ASSERT_NE(row_, 0) << "the sample card has no Silent Arrow";
    ASSERT_EQ(card_->matrix.text(row_, field::kRaceNumber), "8");
  }

  static void expectCells(const Cells& cells) {
    for (const Cell& c : cells) {
      EXPECT_EQ(card_->matrix.text(row_, c.column), c.expected) << "column " << c.column;
    }
  }

  static std::unique_ptr<TempFolder> dir_;
  static std::unique_ptr<Card> card_;
  static bool loaded_;
  static int row_;
};

std::unique_ptr<TempFolder> SilentArrow::dir_;
std::unique_ptr<Card> SilentArrow::card_;
bool SilentArrow::loaded_ = false;
int SilentArrow::row_ = 0;

TEST_F(SilentArrow, ScratchFileAndDates) { expectCells(scratchAndDates()); }
TEST_F(SilentArrow, EarlyPace) { expectCells(earlyPace()); }
TEST_F(SilentArrow, WorkoutValues) { expectCells(workoutValues()); }
TEST_F(SilentArrow, TimeParsAndRecords) { expectCells(timeParsAndRecords()); }
TEST_F(SilentArrow, LastRaceAndReadiness) { expectCells(readiness()); }
TEST_F(SilentArrow, WorkoutTotalsSpeedSummariesAndCounts) { expectCells(speedSummaries()); }
TEST_F(SilentArrow, TrainerJockeyWeightAndRecord) { expectCells(connections()); }
TEST_F(SilentArrow, AngleFlags) { expectCells(angleFlags()); }
TEST_F(SilentArrow, RanksPointsAndPrice) { expectCells(ratingsAndOddsLine()); }
TEST_F(SilentArrow, Vulnerability) { expectCells(vulnerability()); }
TEST_F(SilentArrow, QuentarStrike) { expectCells(quentarStrike()); }
TEST_F(SilentArrow, TrainerAndFormMarks) { expectCells(marks()); }
TEST_F(SilentArrow, PickedRace) { expectCells(pickedRaces()); }

// The families above name every computed cell the horse has: any other computed column
// holding text is a figure nobody worked out.
TEST_F(SilentArrow, NoOtherComputedCell) {
  std::set<int> checked;
  for (const Cells& family :
       {scratchAndDates(), earlyPace(), workoutValues(), timeParsAndRecords(), readiness(),
        speedSummaries(), connections(), angleFlags(), ratingsAndOddsLine(), vulnerability(),
        quentarStrike(), marks(), pickedRaces()}) {
    for (const Cell& c : family) checked.insert(c.column);
  }
  for (int c = kFieldCount + 1; c < kColumnCount; ++c) {
    if (checked.count(c) == 0) {
      EXPECT_EQ(card_->matrix.text(row_, c), "") << "column " << c;
    }
  }
}

}  // namespace
}  // namespace kestravo
