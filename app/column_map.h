// Every computed column of the card and the stage that writes it. Each stage declares its
// own columns; this one list puts them side by side so that the compiler refuses two
// stages writing the same column or a column outside the computed range.
#pragma once

#include <algorithm>
#include <array>
#include <string_view>

#include "card/columns.h"
#include "figures/columns.h"
#include "oddsline/columns.h"

namespace kestravo {

struct ColumnRange {
  int first;
  int last;
  std::string_view stage;
};

namespace detail {
constexpr ColumnRange single(int column, std::string_view stage) { return {column, column, stage}; }
template <typename Block>
constexpr ColumnRange block(Block b, std::string_view stage) {
  return {b.first(), b.last(), stage};
}
}  // namespace detail

inline constexpr auto kComputedColumns = [] {
  using detail::block;
  using detail::single;
  return std::array{
      // The scratch file and the dates.
      single(col::kScratchMark, "scratch file"),
      block(col::kPickFlag, "scratch file"),
      block(col::kDaysSincePast, "dates"),
      single(col::kRaceDayNumber, "dates"),
      block(col::kPastRaceExists, "dates"),
      block(col::kWorkoutDays, "dates"),
      // Early pace.
      block(col::kE1, "early pace"),
      block(col::kE2, "early pace"),
      block(col::kEarlyPoints, "early pace"),
      single(col::kACL3, "early pace"),
      // Workout values, time pars, records and form items.
      block(col::kWorkoutTimeFigure, "time pars"),
      block(col::kTrackValue, "track table"),
      block(col::kConditionValue, "workout codes"),
      block(col::kDescriptionValue, "workout codes"),
      single(col::kPWR, "time pars"),
      single(col::kParMark, "time pars"),
      block(col::kDistanceParFigure, "time pars"),
      single(col::kAPVLifetime, "records"),
      single(col::kAPVFirstYear, "records"),
      single(col::kAPVSecondYear, "records"),
      single(col::kAPVDistance, "records"),
      single(col::kAPVTrack, "records"),
      single(col::kAPVDirt, "records"),
      single(col::kAPVTurf, "records"),
      single(col::kAPVAllWeather, "records"),
      single(col::kAPVYears, "records"),
      single(col::kInTheMoneyPercent, "records"),
      // Handicapping figures.
      single(col::kF23, "readiness"),
      single(col::kRR, "readiness"),
      single(col::kSEL, "readiness"),
      single(col::kREADY, "readiness"),
      block(col::kWKPTS, "speed summaries"),
      single(col::kBEST1, "speed summaries"),
      single(col::kBEST2, "speed summaries"),
      single(col::kBEST3, "speed summaries"),
      single(col::kAV3, "speed summaries"),
      single(col::kITMPURSE, "record counts"),
      single(col::kWINS10, "record counts"),
      single(col::kMDNLOSS, "record counts"),
      single(col::kTW, "connections"),
      single(col::kJWIN, "connections"),
      single(col::kWTCHG, "connections"),
      single(col::kTWMARK, "connections"),
      single(col::kKEYSTAT, "connections"),
      single(col::kLW, "connections"),
      single(col::kLowestWeightFlag, "angles"),
      single(col::kFirstTimeMaidenFlag, "angles"),
      single(col::kAGELR, "angles"),
      single(col::kBestWorkoutsFlag, "angles"),
      single(col::kBreakFlag, "angles"),
      single(col::kPowerPlayFlag, "angles"),
      single(col::kTrainerJockeyFlag, "angles"),
      single(col::kRACETOPSRLR, "vulnerability"),
      single(col::kVSRLR, "vulnerability"),
      single(col::kVRECORD, "vulnerability"),
      single(col::kVTRAINER, "vulnerability"),
      single(col::kVJOCKEY, "vulnerability"),
      single(col::kVDROP, "vulnerability"),
      single(col::kVNOWIN, "vulnerability"),
      single(col::kVMDNLOSS, "vulnerability"),
      single(col::kVRECENT, "vulnerability"),
      single(col::kVPOINTS, "vulnerability"),
      // The odds line.
      single(col::kEPLR, "odds line"),
      single(col::kSRLRRank, "odds line"),
      single(col::kPrimeRank, "odds line"),
      single(col::kEPLRRank, "odds line"),
      single(col::kLPLRRank, "odds line"),
      single(col::kACL3Rank, "odds line"),
      single(col::kSRLRPoints, "odds line"),
      single(col::kACL3Points, "odds line"),
      single(col::kPrimePoints, "odds line"),
      single(col::kEPLRPoints, "odds line"),
      single(col::kLPLRPoints, "odds line"),
      single(col::kTotalPoints, "odds line"),
      single(col::kPointsRank, "odds line"),
      single(col::kKOL, "odds line"),
      single(col::kStrikeRating, "QUENTAR STRIKE"),
      single(col::kStrikeLabel, "QUENTAR STRIKE"),
      single(col::kQualifiedMark, "QUENTAR STRIKE"),
      single(col::kUncoupledTrainerMark, "marks"),
      single(col::kDaysSinceBest1, "marks"),
      single(col::kDaysSinceBest2, "marks"),
      single(col::kDaysSinceBest3, "marks"),
      single(col::kFormMark, "marks"),
      single(col::kPickedE1, "picked races"),
      single(col::kPickedE2, "picked races"),
      single(col::kPickedLate, "picked races"),
      single(col::kPickedSpeed, "picked races"),
      single(col::kPickedClass, "picked races"),
      single(col::kPickedFinish, "picked races"),
      single(col::kPickedBeaten, "picked races"),
      single(col::kPickedSurface, "picked races"),
      single(col::kPickedDistance, "picked races"),
  };
}();

// True when every range lies in the computed columns and no two ranges share a column.
constexpr bool computedColumnsAreDisjoint() {
  auto ranges = kComputedColumns;
  std::sort(ranges.begin(), ranges.end(),
            [](const ColumnRange& a, const ColumnRange& b) { return a.first < b.first; });
  for (std::size_t i = 0; i < ranges.size(); ++i) {
    if (ranges[i].first <= kFieldCount || ranges[i].last >= kColumnCount) return false;
    if (ranges[i].last < ranges[i].first) return false;
    if (i > 0 && ranges[i].first <= ranges[i - 1].last) return false;
  }
  return true;
}
static_assert(computedColumnsAreDisjoint(), "two stages write the same computed column");

}  // namespace kestravo
