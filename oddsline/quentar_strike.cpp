#include "oddsline/quentar_strike.h"

#include <cmath>
#include <string>

#include "card/card_matrix.h"
#include "card/columns.h"
#include "card/single.h"
#include "figures/columns.h"
#include "format/mask.h"
#include "oddsline/columns.h"

namespace kestravo {

namespace {

constexpr long double kQualifyingDays = 90;
constexpr long double kRouteYards = 1760;
constexpr long double kCloseBeaten = single(12.75f);
// Last race's purse as a share of today's: a like-for-like spot, and a modest drop.
constexpr long double kSamePurseLow = single(0.9f);
constexpr long double kSamePurseHigh = single(1.1f);
constexpr long double kDropPurseHigh = single(1.39f);
constexpr long double kFreshWorkDays = 14;
// A second work whose total beats this is the better sign for a lightly raced maiden.
constexpr long double kSharpWorkTotal = 100;
constexpr const char* kQualified = "Q";

bool isRoute(long double yards) { return yards >= kRouteYards; }
bool isSprint(long double yards) { return yards > 0 && yards < kRouteYards; }

// The last race resembles today's: same trip and not beaten far, a switch between sprint
// and route, or a purse close to today's.
bool comparableRace(const CardMatrix& m, int row) {
  const long double today = std::fabs(m.value(row, field::kDistance));
  const long double last = std::fabs(m.value(row, field::kPastDistance.race(1)));
  const long double purse = m.value(row, field::kPurse);
  const long double lastPurse = m.value(row, field::kPastPurse.race(1));
  const bool close = m.value(row, field::kPastFinishBehind.race(1)) <= kCloseBeaten;
  return (isRoute(today) && isRoute(last) && close) ||
         (isSprint(today) && isSprint(last) && close) || (isSprint(last) && isRoute(today)) ||
         (isRoute(last) && isSprint(today)) ||
         (lastPurse >= kSamePurseLow * purse && lastPurse <= kSamePurseHigh * purse && close) ||
         (lastPurse >= kSamePurseHigh * purse && lastPurse <= kDropPurseHigh * purse);
}

bool isMaidenRace(const CardMatrix& m, int row) {
  const std::string_view type = m.text(row, field::kRaceType);
  return type == "M" || type == "S";
}

// Fewer than three races: one of the last three day gaps is missing.
bool lightlyRaced(const CardMatrix& m, int row) {
  for (int j = 1; j <= 3; ++j) {
    if (m.value(row, col::kDaysSincePast.race(j)) == 0) return true;
  }
  return false;
}

void setRating(CardMatrix& m, int row, int source, std::string_view letter, long double days) {
  m.setText(row, col::kStrikeRating, m.text(row, source));
  std::string label(letter);
  label += ' ';
  label += Format("###", days);
  m.setText(row, col::kStrikeLabel, label);
}

}  // namespace

void markQualified(CardMatrix& m, int row) {
  const long double days = m.value(row, col::kDaysSincePast.race(1));
  const long double starters = m.value(row, field::kPastStarters.race(1));
  const long double finish = m.value(row, field::kPastFinishPosition.race(1));
  const bool qualified = !m.scratched(row) && days > 0 && days <= kQualifyingDays &&
                         starters > finish && starters > 0 && finish > 0 && comparableRace(m, row);
  m.setText(row, col::kQualifiedMark, qualified ? kQualified : "");
}

void rateQuentarStrike(CardMatrix& m, int row) {
  const long double race = m.value(row, col::kDaysSincePast.race(1));
  const long double work1 = m.value(row, col::kWorkoutDays.work(1));
  const long double work2 = m.value(row, col::kWorkoutDays.work(2));
  const long double total1 = m.value(row, col::kWKPTS.work(1));
  const long double total2 = m.value(row, col::kWKPTS.work(2));
  const bool running = !m.scratched(row);
  const bool freshWork1 = work1 > 0 && work1 <= kFreshWorkDays;
  const bool freshWork2 = work2 > 0 && work2 <= kFreshWorkDays;
  const bool lightMaiden = running && isMaidenRace(m, row) && lightlyRaced(m, row);

  if (race > 0 && freshWork1 && running && race > work1) {
    setRating(m, row, col::kWKPTS.work(1), "W", work1);
  } else if (race > 0 && work1 > kFreshWorkDays && running && race < work1 &&
             m.text(row, col::kQualifiedMark) == kQualified) {
    setRating(m, row, col::kDistanceParFigure.race(1), "R", race);
  } else if (freshWork1 && freshWork2 && lightMaiden && total1 < total2 &&
             total2 > kSharpWorkTotal) {
    setRating(m, row, col::kWKPTS.work(2), "W", work2);
  } else if (freshWork1 && freshWork2 && lightMaiden && total2 < kSharpWorkTotal) {
    setRating(m, row, col::kWKPTS.work(1), "W", work1);
  } else if (freshWork1 && work2 > kFreshWorkDays && lightMaiden) {
    setRating(m, row, col::kWKPTS.work(1), "W", work1);
  } else {
    m.setText(row, col::kStrikeRating, "0");
    m.setText(row, col::kStrikeLabel, "");
  }
}

}  // namespace kestravo
