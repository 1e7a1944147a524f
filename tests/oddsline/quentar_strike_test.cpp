#include "oddsline/quentar_strike.h"

#include <gtest/gtest.h>

#include "card/columns.h"
#include "figures/columns.h"
#include "oddsline/columns.h"
#include "support/card_rows.h"

namespace kestravo {
namespace {

using testing::Cells;
using testing::Texts;
using testing::with;

Texts marksOf(const std::vector<Cells>& horses) {
  CardMatrix m = testing::cardOf(horses);
  for (int row = 1; row <= m.entryCount(); ++row) markQualified(m, row);
  return testing::columnTexts(m, col::kQualifiedMark);
}

const int kDays = col::kDaysSincePast.race(1);
const int kToday = field::kDistance;
const int kLast = field::kPastDistance.race(1);
const int kPurse = field::kPurse;
const int kLastPurse = field::kPastPurse.race(1);
const int kBeaten = field::kPastFinishBehind.race(1);

// Third of eight in a sprint 30 days ago, for twice today's purse: the purse tests fail, so
// the trip and the beaten lengths decide.
const Cells kSprinter = {{kDays, "30"},
                         {field::kPastStarters.race(1), "8"},
                         {field::kPastFinishPosition.race(1), "3"},
                         {kToday, "1320"},
                         {kLast, "1320"},
                         {kPurse, "100"},
                         {kLastPurse, "200"},
                         {kBeaten, "12.75"}};

TEST(QuentarStrike, QualifyingDaysAndFinish) {
  const int starters = field::kPastStarters.race(1);
  const int finish = field::kPastFinishPosition.race(1);
  EXPECT_EQ(marksOf({kSprinter, with(kSprinter, {{kDays, "90"}}), with(kSprinter, {{kDays, "91"}}),
                     with(kSprinter, {{kDays, "0"}}), with(kSprinter, {{finish, "8"}}),
                     with(kSprinter, {{finish, "7"}}), with(kSprinter, {{finish, "0"}}),
                     with(kSprinter, {{starters, "0"}, {finish, "-1"}}),
                     with(kSprinter, {{col::kScratchMark, "S"}})}),
            (Texts{"Q", "Q", "", "", "", "Q", "", "", ""}));
}

TEST(QuentarStrike, QualifyingTripAndBeatenLengths) {
  EXPECT_EQ(marksOf({
                with(kSprinter, {{kBeaten, "12.76"}}),
                with(kSprinter, {{kToday, "-1320"}}),  // an about-distance is still a sprint
                with(kSprinter, {{kToday, "1870"}, {kLast, "1760"}}),
                with(kSprinter, {{kToday, "1870"}, {kLast, "1760"}, {kBeaten, "13"}}),
                with(kSprinter, {{kToday, "1760"}, {kBeaten, "20"}}),  // sprint to route
                with(kSprinter, {{kToday, "1759"}, {kBeaten, "20"}}),
                with(kSprinter, {{kLast, "1870"}, {kBeaten, "20"}}),  // route to sprint
                with(kSprinter, {{kLast, "0"}}),  // no distance: neither sprint nor route
            }),
            (Texts{"", "Q", "Q", "", "Q", "", "Q", ""}));
}

TEST(QuentarStrike, QualifyingPurseAtTheSinglePrecisionFactors) {
  // Today's purse is 100; 0.9f, 1.1f and 1.39f times it are exactly the long texts below.
  // The last race has no distance, so only the purse can qualify it.
  const Cells close = with(kSprinter, {{kLast, "0"}});
  const Cells far = with(close, {{kBeaten, "20"}});
  EXPECT_EQ(marksOf({
                with(close, {{kLastPurse, "89.999997615814208984375"}}),
                with(close, {{kLastPurse, "89.9999975"}}),
                with(close, {{kLastPurse, "100"}}),
                with(far, {{kLastPurse, "100"}}),  // a like purse needs a close finish
                with(far, {{kLastPurse, "110.000002384185791015625"}}),
                with(far, {{kLastPurse, "110.000001"}}),
                with(far, {{kLastPurse, "138.999998569488525390625"}}),
                with(far, {{kLastPurse, "138.999999"}}),
            }),
            (Texts{"Q", "", "Q", "", "Q", "", "Q", ""}));
}

TEST(QuentarStrike, RatingTakesTheFreshestForm) {
  const int work1 = col::kWorkoutDays.work(1);
  const int work2 = col::kWorkoutDays.work(2);
  const int total1 = col::kWKPTS.work(1);
  const int total2 = col::kWKPTS.work(2);
  const Cells horse = {{total1, " 97"}, {total2, " 88"}, {col::kDistanceParFigure.race(1), " 91"}};
  // A first-time starter in a maiden race, worked 4 and 11 days ago.
  const Cells debut = {{field::kRaceType, "M"}, {work1, " 4"}, {work2, " 11"}};
  struct Row {
    const char* name;
    Cells cells;
    const char* rating;
    const char* label;
  };
  const Row rows[] = {
      {"worked since the race", {{kDays, " 30"}, {work1, " 5"}}, " 97", "W   5"},
      {"worked before the race", {{kDays, " 10"}, {work1, " 12"}}, "0", ""},
      {"qualified race",
       {{kDays, " 10"}, {work1, " 20"}, {col::kQualifiedMark, "Q"}},
       " 91",
       "R  10"},
      {"unqualified race", {{kDays, " 10"}, {work1, " 20"}}, "0", ""},
      {"sharper second work", with(debut, {{total1, " 95"}, {total2, "104"}}), "104", "W  11"},
      {"sharper first work", with(debut, {{total1, "104"}, {total2, " 95"}}), "104", "W   4"},
      {"second work of 100", with(debut, {{total1, " 95"}, {total2, "100"}}), "0", ""},
      {"second work of 100 below the first", with(debut, {{total1, "104"}, {total2, "100"}}), "0",
       ""},
      {"one fresh work", {{field::kRaceType, "S"}, {work1, " 6"}, {work2, " 20"}}, " 97", "W   6"},
      {"one fresh work, not a maiden race", {{field::kRaceType, "C"}, {work1, " 6"}}, "0", ""},
      // Raced 3 days ago, before both works: rules 3 to 5 need fewer than three races.
      {"two races",
       with(debut, {{kDays, " 3"}, {col::kDaysSincePast.race(2), " 20"}, {total2, "104"}}), "104",
       "W  11"},
      {"three races",
       with(debut, {{kDays, " 3"},
                    {col::kDaysSincePast.race(2), " 20"},
                    {col::kDaysSincePast.race(3), " 30"},
                    {total2, "104"}}),
       "0", ""},
      {"the first rule wins", with(debut, {{kDays, " 30"}, {total2, "104"}}), " 97", "W   4"},
      {"scratched", {{kDays, " 30"}, {work1, " 5"}, {col::kScratchMark, "S"}}, "0", ""},
  };
  for (const Row& r : rows) {
    CardMatrix m = testing::cardOf({with(horse, r.cells)});
    rateQuentarStrike(m, 1);
    EXPECT_EQ(m.text(1, col::kStrikeRating), r.rating) << r.name;
    EXPECT_EQ(m.text(1, col::kStrikeLabel), r.label) << r.name;
  }
}

}  // namespace
}  // namespace kestravo
