// Where each item of a horse's entry stands in a past-performance record: single fields,
// five-field records, and the blocks of ten past races and twelve workouts.
#pragma once

namespace kestravo::samplecard {

inline constexpr int kFieldCount = 1435;
inline constexpr int kPastRaceCount = 10;
inline constexpr int kWorkoutCount = 12;
inline constexpr int kKeyCategoryCount = 6;

// Past race j (1 = most recent) and workout w (1 = most recent) of the block starting at B.
constexpr int pastRace(int block, int j) { return block + j - 1; }
constexpr int workout(int block, int w) { return block + w - 1; }

// A record of the horse or of a trainer or jockey: five consecutive fields.
enum RecordItem { kStarts = 0, kWins = 1, kPlaces = 2, kShows = 3, kEarnings = 4 };
constexpr int recordItem(int start, RecordItem item) { return start + item; }
inline constexpr RecordItem kReturnOnTwoDollars =
    kEarnings;  // a connection's record ends in its $2 ROI

// Key trainer category c (0 to 5): name, starts, win %, in-the-money %, $2 ROI.
enum KeyItem {
  kKeyName = 0,
  kKeyStarts = 1,
  kKeyWinPercent = 2,
  kKeyInTheMoney = 3,
  kKeyReturn = 4
};
constexpr int keyCategory(int start, int c, KeyItem item) { return start + 5 * c + item; }

namespace field {
inline constexpr int kTrack = 1;
inline constexpr int kRaceDate = 2;
inline constexpr int kRaceNumber = 3;
inline constexpr int kPostPosition = 4;
inline constexpr int kDistance = 6;
inline constexpr int kSurface = 7;
inline constexpr int kRaceType = 9;
inline constexpr int kRestriction = 10;
inline constexpr int kClassification = 11;
inline constexpr int kPurse = 12;
inline constexpr int kAllWeather = 25;
inline constexpr int kTrainer = 28;
inline constexpr int kTrainerMeet = 29;
inline constexpr int kJockey = 33;
inline constexpr int kJockeyMeet = 35;
inline constexpr int kProgramNumber = 43;
inline constexpr int kMorningLine = 44;
inline constexpr int kHorseName = 45;
inline constexpr int kYearOfBirth = 46;
inline constexpr int kWeight = 51;
inline constexpr int kPowerAddend1 = 61;
inline constexpr int kDistanceRecord = 65;
inline constexpr int kTrackRecord = 70;
inline constexpr int kTurfRecord = 75;
inline constexpr int kWetRecord = 80;
inline constexpr int kCurrentYear = 85;
inline constexpr int kCurrentYearRecord = 86;
inline constexpr int kPreviousYear = 91;
inline constexpr int kPreviousYearRecord = 92;
inline constexpr int kLifetimeRecord = 97;
inline constexpr int kRunningStyle = 210;
inline constexpr int kSpeedPoints = 211;
inline constexpr int kSpeedPar = 217;
inline constexpr int kTrainerJockeyYear = 219;
inline constexpr int kDaysSinceLastRace = 224;
inline constexpr int kAllWeatherRecord = 231;
inline constexpr int kPrime = 251;
inline constexpr int kPowerAddend2 = 255;
inline constexpr int kPowerAddend3 = 376;
inline constexpr int kPowerAddend4 = 1030;
inline constexpr int kLastRaceJockey = 1066;
inline constexpr int kTrainerCurrentYear = 1147;
inline constexpr int kTrainerPreviousYear = 1152;
inline constexpr int kJockeyCurrentYear = 1157;
inline constexpr int kJockeyPreviousYear = 1162;
inline constexpr int kDirtRecord = 1332;
inline constexpr int kKeyCategories = 1337;
inline constexpr int kTrainerJockeyMeet = 1413;
}  // namespace field

namespace block {
inline constexpr int kWorkDate = 102;
inline constexpr int kWorkTime = 114;
inline constexpr int kWorkTrack = 126;
inline constexpr int kWorkDistance = 138;
inline constexpr int kWorkCondition = 150;
inline constexpr int kWorkDescription = 162;
inline constexpr int kWorkTrainingTrack = 174;
inline constexpr int kWorksThatDay = 186;
inline constexpr int kWorkRank = 198;

inline constexpr int kRaceDate = 256;
inline constexpr int kDayGap = 266;
inline constexpr int kTrack = 286;
inline constexpr int kRaceNumber = 296;
inline constexpr int kCondition = 306;
inline constexpr int kDistance = 316;
inline constexpr int kSurface = 326;
inline constexpr int kStarters = 346;
inline constexpr int kComment = 396;
inline constexpr int kWeight = 506;
inline constexpr int kOdds = 516;
inline constexpr int kClassification = 536;
inline constexpr int kPurse = 556;
inline constexpr int kFirstCallPosition = 576;
inline constexpr int kSecondCallPosition = 586;
inline constexpr int kStretchPosition = 606;
inline constexpr int kFinishPosition = 616;
inline constexpr int kFirstCallLead = 656;
inline constexpr int kFirstCallBehind = 666;
inline constexpr int kSecondCallLead = 676;
inline constexpr int kSecondCallBehind = 686;
inline constexpr int kStretchLead = 716;
inline constexpr int kStretchBehind = 726;
inline constexpr int kFinishLead = 736;
inline constexpr int kFinishBehind = 746;
inline constexpr int kPaceFigure1 = 766;
inline constexpr int kPaceFigure2 = 776;
inline constexpr int kPaceFigure3 = 786;
inline constexpr int kPaceFigure4 = 796;
inline constexpr int kLatePace = 816;
inline constexpr int kClassFigure = 836;
inline constexpr int kSpeedFigure = 846;
inline constexpr int kFirstFraction = 876;
inline constexpr int kFinalTime = 1036;
inline constexpr int kRaceTypeText = 1086;
inline constexpr int kAllWeatherFlag = 1403;
}  // namespace block

}  // namespace kestravo::samplecard
