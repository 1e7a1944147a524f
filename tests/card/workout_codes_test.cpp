#include "card/workout_codes.h"

#include <gtest/gtest.h>

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
  EXPECT_EQ(descriptionValue("BG"), "0");
  EXPECT_EQ(descriptionValue("H g"), "0");
  EXPECT_EQ(descriptionValue(""), "0");
}

}  // namespace
}  // namespace kestravo
