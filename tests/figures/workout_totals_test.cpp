#include "figures/workout_totals.h"

#include <gtest/gtest.h>

#include <string>

#include "card/card_matrix.h"
#include "card/columns.h"
#include "figures/columns.h"

namespace kestravo {
namespace {

class WorkoutTotals : public ::testing::Test {
 protected:
  void SetUp() override { m.reset(1); }
  void work(int w, const char* time, const char* track, const char* condition,
            const char* description) {
    m.setText(1, col::kWorkoutTimeFigure.work(w), time);
    m.setText(1, col::kTrackValue.work(w), track);
    m.setText(1, col::kConditionValue.work(w), condition);
    m.setText(1, col::kDescriptionValue.work(w), description);
  }
  std::string total(int w) { return std::string(m.text(1, col::kWKPTS.work(w))); }
  CardMatrix m;
};

TEST_F(WorkoutTotals, AddTheFourValues) {
  work(1, " 92", "5", "3", "4");
  work(2, " 88", "-5", "", "0");
  work(11, "  85", "2.25", "0.25", "0");  // 87.5: a half to the even neighbour
  work(12, "  86", "2.25", "0.25", "0");
  computeWorkoutTotals(m, 1);
  EXPECT_EQ(total(1), "104");
  EXPECT_EQ(total(2), " 83");
  EXPECT_EQ(total(3), "  0");  // no such work
  EXPECT_EQ(total(11), " 88");
  EXPECT_EQ(total(12), " 88");
}

TEST_F(WorkoutTotals, AScratchedHorseGetsZeros) {
  m.setText(1, col::kScratchMark, "S");
  work(1, " 92", "5", "3", "4");
  computeWorkoutTotals(m, 1);
  for (int w = 1; w <= kWorkouts; ++w) EXPECT_EQ(total(w), "0") << w;
}

}  // namespace
}  // namespace kestravo
