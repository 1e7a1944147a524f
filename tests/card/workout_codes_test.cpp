#include "card/workout_codes.h"

#include <gtest/gtest.h>

#include "card/card_matrix.h"
#include "card/columns.h"

namespace kestravo {
namespace {

TEST(WorkoutCodes, ConditionComparedAsWritten) {
  EXPECT_EQ(conditionValue("ft"), "0");
  EXPECT_EQ(conditionValue("gd"), "10");
  EXPECT_EQ(conditionValue("sl"), "20");
  EXPECT_EQ(conditionValue("hy"), "20");
  EXPECT_EQ(conditionValue("gd "), "0");
  EXPECT_EQ(conditionValue(" sl"), "0");
  EXPECT_EQ(conditionValue("GD"), "0");
  EXPECT_EQ(conditionValue("sy"), "0");
  EXPECT_EQ(conditionValue(""), "0");
}

TEST(WorkoutCodes, DescriptionComparedTrimmed) {
  EXPECT_EQ(descriptionValue("H"), "0");
  EXPECT_EQ(descriptionValue("B"), "10");
  EXPECT_EQ(descriptionValue(" B D "), "10");
  EXPECT_EQ(descriptionValue("BD"), "0");
  EXPECT_EQ(descriptionValue("g"), "10");
  EXPECT_EQ(descriptionValue("  Bg  "), "20");
  EXPECT_EQ(descriptionValue("Bg\t"), "0");
  EXPECT_EQ(descriptionValue("bg"), "0");
  EXPECT_EQ(descriptionValue("BG"), "0");
  EXPECT_EQ(descriptionValue("H g"), "0");
  EXPECT_EQ(descriptionValue("Hg"), "0");
  EXPECT_EQ(descriptionValue(""), "0");
}

TEST(WorkoutCodes, EveryWorkoutOfARow) {
  CardMatrix m;
  m.reset(2);
  for (int row = 1; row <= 2; ++row) {
    m.setText(row, field::kWorkoutCondition.work(1), "gd");
    m.setText(row, field::kWorkoutDescription.work(1), "Bg ");
    m.setText(row, field::kWorkoutCondition.work(12), "hy");
    m.setText(row, field::kWorkoutDescription.work(12), "B");
  }
  m.setText(2, col::kScratchMark, "S");
  for (int row = 1; row <= 2; ++row) {
    for (int w = 1; w <= kWorkouts; ++w) {
      computeConditionValue(m, row, w);
      computeDescriptionValue(m, row, w);
    }
  }
  EXPECT_EQ(m.text(1, col::kConditionValue.work(1)), "10");
  EXPECT_EQ(m.text(1, col::kDescriptionValue.work(1)), "20");
  EXPECT_EQ(m.text(1, col::kConditionValue.work(2)), "0");  // a workout with empty fields
  EXPECT_EQ(m.text(1, col::kDescriptionValue.work(2)), "0");
  EXPECT_EQ(m.text(1, col::kConditionValue.work(12)), "20");
  EXPECT_EQ(m.text(1, col::kDescriptionValue.work(12)), "10");
  for (int w = 1; w <= kWorkouts; ++w) {
    EXPECT_EQ(m.text(2, col::kConditionValue.work(w)), "0") << w;
    EXPECT_EQ(m.text(2, col::kDescriptionValue.work(w)), "0") << w;
  }
}

}  // namespace
}  // namespace kestravo
