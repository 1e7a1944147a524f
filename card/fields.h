// The data file's fields that the handicapping reads: today's race, the horse and its
// connections, its records, and the blocks of its past races and workouts. Each field
// number appears here once; the logic names them.
#pragma once

#include "card/blocks.h"

namespace kestravo {

inline constexpr int kFieldCount = 1435;   // fields per data-file record
inline constexpr int kColumnCount = 2001;  // columns 0..2000 of every card row

// The trainer's key-statistics categories, five fields each: name, starts, win percentage,
// in-the-money percentage and the $2 return.
class KeyStatCategories {
 public:
  static constexpr int kCount = 6;
  explicit constexpr KeyStatCategories(int first) : first_(first) {}
  // Category c, counted 0 to 5.
  constexpr int name(int c) const { return column(c, 0); }
  constexpr int starts(int c) const { return column(c, 1); }
  constexpr int winPercent(int c) const { return column(c, 2); }
  constexpr int inTheMoneyPercent(int c) const { return column(c, 3); }
  constexpr int returnOnInvestment(int c) const { return column(c, 4); }
  constexpr int first() const { return first_; }
  constexpr int last() const { return first_ + kCount * 5 - 1; }

 private:
  constexpr int column(int c, int item) const {
    return detail::blockColumn(first_, c * 5, kCount * 5) + item;
  }
  int first_;
};

// Distances are given in yards; furlongs are what a handicapper reads.
inline constexpr long double kYardsPerFurlong = 220;

namespace field {
// Today's race.
inline constexpr int kFirst = 1;
inline constexpr int kRaceDate = 2;  // YYYYMMDD
inline constexpr int kRaceNumber = 3;
inline constexpr int kPostPosition = 4;
inline constexpr int kDistance = 6;  // yards; negative for an about-distance
inline constexpr int kSurface = 7;
inline constexpr int kRaceType = 9;  // "M" and "S" are the maiden types
inline constexpr int kRestriction = 10;
inline constexpr int kClassification = 11;
inline constexpr int kPurse = 12;
inline constexpr int kAllWeather = 25;
inline constexpr int kSpeedPar = 217;

// The connections.
inline constexpr int kTrainer = 28;
inline constexpr int kTrainerMeetStarts = 29;
inline constexpr int kTrainerMeetWins = 30;
inline constexpr int kJockey = 33;
inline constexpr int kJockeyMeetStarts = 35;
inline constexpr int kJockeyMeetWins = 36;
inline constexpr int kTrainerJockeyYearStarts = 219;
inline constexpr int kTrainerJockeyYearWins = 220;
inline constexpr int kTrainerJockeyYearReturn = 223;
inline constexpr int kLastRaceJockey = 1066;
inline constexpr int kTrainerYearStarts = 1147;
inline constexpr int kTrainerYearWins = 1148;
inline constexpr int kTrainerLastYearStarts = 1152;
inline constexpr int kTrainerLastYearWins = 1153;
inline constexpr int kJockeyYearStarts = 1157;
inline constexpr int kJockeyYearWins = 1158;
inline constexpr int kJockeyLastYearStarts = 1162;
inline constexpr int kJockeyLastYearWins = 1163;
inline constexpr int kConnectionsRecordsFirst = 1147;  // 1147..1166 as the screens show them
inline constexpr int kConnectionsRecordsLast = 1166;
inline constexpr KeyStatCategories kKeyStats{1337};
inline constexpr int kTrainerJockeyMeetStarts = 1413;
inline constexpr int kTrainerJockeyMeetWins = 1414;
inline constexpr int kTrainerJockeyMeetReturn = 1417;
// The connections' records as their screens show them: starts, wins, places and shows, then
// the $2 return where a horse's record has its earnings (the trainer's and the jockey's meet
// records have no return).
inline constexpr RecordFields kTrainerJockeyMeetRecord{kTrainerJockeyMeetStarts};
inline constexpr RecordFields kTrainerJockeyYearRecord{kTrainerJockeyYearStarts};
inline constexpr RecordFields kJockeyMeetRecord{kJockeyMeetStarts};
inline constexpr RecordFields kJockeyYearRecord{kJockeyYearStarts};
inline constexpr RecordFields kJockeyLastYearRecord{kJockeyLastYearStarts};
inline constexpr RecordFields kTrainerMeetRecord{kTrainerMeetStarts};
inline constexpr RecordFields kTrainerYearRecord{kTrainerYearStarts};
inline constexpr RecordFields kTrainerLastYearRecord{kTrainerLastYearStarts};

// The horse.
inline constexpr int kProgramNumber = 43;
inline constexpr int kMorningLine = 44;  // decimal odds: 2.5 for 5-2
inline constexpr int kHorseName = 45;
inline constexpr int kBirthYear = 46;  // two digits
inline constexpr int kWeight = 51;
inline constexpr int kRunningStyle = 210;
inline constexpr int kSpeedPoints = 211;
inline constexpr int kDaysSinceLastRace = 224;
inline constexpr int kPrime = 251;
inline constexpr int kParMarkFigure = 844;  // a speed figure the par mark also accepts
// Addends of PWR besides the late pace of the most recent race.
inline constexpr int kPowerItemA = 61;
inline constexpr int kPowerItemB = 255;
inline constexpr int kPowerItemC = 376;
inline constexpr int kPowerItemD = 1030;

// The horse's records.
inline constexpr RecordFields kDistanceRecord{65};
inline constexpr RecordFields kTrackRecord{70};
inline constexpr RecordFields kTurfRecord{75};
inline constexpr RecordFields kWetRecord{80};
inline constexpr int kFirstYear = 85;
inline constexpr RecordFields kFirstYearRecord{86};
inline constexpr int kSecondYear = 91;
inline constexpr RecordFields kSecondYearRecord{92};
inline constexpr RecordFields kLifetimeRecord{97};
inline constexpr RecordFields kAllWeatherRecord{231};
inline constexpr RecordFields kDirtRecord{1332};

// Past races, the most recent first.
inline constexpr PastRaceBlock kPastDate{256};    // YYYYMMDD
inline constexpr PastRaceBlock kPastDayGap{266};  // gap before the race; races 1..9 used
inline constexpr PastRaceBlock kPastTrack{286};
inline constexpr PastRaceBlock kPastRaceNumber{296};
inline constexpr PastRaceBlock kPastCondition{306};
inline constexpr PastRaceBlock kPastDistance{316};  // yards; negative for an about-distance
inline constexpr PastRaceBlock kPastSurface{326};   // "A" written over it on all-weather
inline constexpr PastRaceBlock kPastStarters{346};
inline constexpr PastRaceBlock kPastComment{396};
inline constexpr PastRaceBlock kPastWeight{506};
inline constexpr PastRaceBlock kPastOdds{516};
inline constexpr PastRaceBlock kPastClassification{536};
inline constexpr PastRaceBlock kPastPurse{556};
inline constexpr PastRaceBlock kPastFirstCallPosition{576};
inline constexpr PastRaceBlock kPastSecondCallPosition{586};
inline constexpr PastRaceBlock kPastStretchPosition{606};
inline constexpr PastRaceBlock kPastFinishPosition{616};
// At each call: the leader's margin over the second, and the lengths behind the leader.
inline constexpr PastRaceBlock kPastFirstCallMargin{656};
inline constexpr PastRaceBlock kPastFirstCallBehind{666};
inline constexpr PastRaceBlock kPastSecondCallMargin{676};
inline constexpr PastRaceBlock kPastSecondCallBehind{686};
inline constexpr PastRaceBlock kPastStretchMargin{716};
inline constexpr PastRaceBlock kPastStretchBehind{726};
inline constexpr PastRaceBlock kPastFinishMargin{736};
inline constexpr PastRaceBlock kPastFinishBehind{746};
inline constexpr PastRaceBlock kPastPace1{766};
inline constexpr PastRaceBlock kPastPace2{776};
inline constexpr PastRaceBlock kPastPace3{786};
inline constexpr PastRaceBlock kPastPace4{796};
inline constexpr PastRaceBlock kPastLate{816};
inline constexpr PastRaceBlock kPastClassFigure{836};
inline constexpr PastRaceBlock kPastSpeed{846};  // SPD; race 1 is SRLR
inline constexpr PastRaceBlock kPastFirstFraction{876};
inline constexpr PastRaceBlock kPastFinalTime{1036};
inline constexpr PastRaceBlock kPastClassText{1086};  // CLS; "M" and "S" are maiden races
inline constexpr PastRaceBlock kPastAllWeather{1403};

// Workouts, the most recent first.
inline constexpr WorkoutBlock kWorkoutDate{102};  // YYYYMMDD
inline constexpr WorkoutBlock kWorkoutTime{114};  // seconds; negative for the best of the day
inline constexpr WorkoutBlock kWorkoutTrack{126};
inline constexpr WorkoutBlock kWorkoutDistance{138};  // yards
inline constexpr WorkoutBlock kWorkoutCondition{150};
inline constexpr WorkoutBlock kWorkoutDescription{162};
inline constexpr WorkoutBlock kWorkoutTrackIndicator{174};  // "TR" for a training track
inline constexpr WorkoutBlock kWorkoutsThatDay{186};
inline constexpr WorkoutBlock kWorkoutRank{198};
}  // namespace field

}  // namespace kestravo
