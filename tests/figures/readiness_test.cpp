#include "figures/readiness.h"

#include <gtest/gtest.h>

#include <string>

#include "card/card_matrix.h"
#include "card/columns.h"
#include "figures/columns.h"

namespace kestravo {
namespace {

// Several thousand days: the count the dates give for a workout that does not exist.
constexpr const char* kNoWork = " 7380";

class Readiness : public ::testing::Test {
 protected:
  void SetUp() override { m.reset(1); }
  void set(int column, const char* text) { m.setText(1, column, text); }
  std::string run(int column) {
    computeReadiness(m, 1);
    return std::string(m.text(1, column));
  }
  std::string ready(const char* d, const char* w0, const char* w1) {
    set(col::kDaysSincePast.race0(0), d);
    set(col::kWorkoutDays.work0(0), w0);
    set(col::kWorkoutDays.work0(1), w1);
    return run(col::kREADY);
  }
  CardMatrix m;
};

TEST_F(Readiness, ReadyCode) {
  struct Row {
    const char *d, *w0, *w1, *code;
  };
  const Row rows[] = {
      // Raced within 30 days.
      {"13", "40", "50", "1"},
      {"1", "0", "0", "1"},
      {"14", "10", "50", "0"},
      {"14", "9", "50", "1"},
      {"20", "12", "50", "0"},
      {"20", "5", "50", "1"},
      {"30", "10", kNoWork, "0"},
      {"20", kNoWork, kNoWork, "0"},
      {"20", "0", "5", ""},
      {"20", "-3", "5", ""},
      // Not raced.
      {"0", "6", "12", "2"},
      {"", kNoWork, kNoWork, "2"},
      // Off a layoff.
      {"31", "10", "50", "1"},
      {"45", "6", "12", "0"},
      {"45", "6", "13", "1"},
      {"45", "6", kNoWork, "1"},
      {"45", "13", "20", ""},
      {"45", "12", "12", "0"},
      {"45", "0", "6", ""},
      {"45", kNoWork, kNoWork, ""},
      {"45", "6", "0", ""},
      // A last race dated after today.
      {"-5", "6", "12", ""},
      {"-40", "6", "12", ""},
  };
  for (const Row& r : rows)
    EXPECT_EQ(ready(r.d, r.w0, r.w1), r.code) << r.d << " " << r.w0 << " " << r.w1;
}

TEST_F(Readiness, F23) {
  struct Row {
    const char *d, *finish, *f23;
  };
  const Row rows[] = {{"20", "1", ""}, {"20", "2", "F23 "},   {"20", "3", "F23 "},
                      {"20", "4", ""}, {"20", "2.5", "F23 "}, {"0", "2", ""},
                      {"", "", ""},    {"-3", "2", ""}};
  for (const Row& r : rows) {
    set(col::kDaysSincePast.race0(0), r.d);
    set(field::kPastFinishPosition.race0(0), r.finish);
    EXPECT_EQ(run(col::kF23), r.f23) << r.d << " " << r.finish;
  }
}

TEST_F(Readiness, RR) {
  struct Row {
    const char *d, *yards0, *yards1, *days0, *days1, *rr;
  };
  const Row rows[] = {
      {"0", "880", "1100", "14", "21", " 12"},   // 21 - (4 + 5)
      {"", "880", "-1100", "14", "21", " 12"},   // the older distance counts as positive
      {"0", "-880", "1100", "14", "21", " 20"},  // 21 - |-4 + 5|
      {"0", "-1320", "440", "14", "21", " 17"},  // 21 - |-6 + 2|
      {"0", "880", "1100", "1", "2", " -7"},
      {"0", "990", "1100", "14", "21", " 12"},  // 21 - 9.5, a half rounds to the even 12
      {"0", "880", "", "14", kNoWork, "0"},     // a single workout
      {"0", "880", "1100", "0", "21", "0"},
      {"0", "880", "1100", "14", "0", "0"},
      {"12", "880", "1100", "14", "21", "0"},  // has raced
      {"-12", "880", "1100", "14", "21", "0"},
  };
  for (const Row& r : rows) {
    set(col::kDaysSincePast.race0(0), r.d);
    set(field::kWorkoutDistance.work0(0), r.yards0);
    set(field::kWorkoutDistance.work0(1), r.yards1);
    set(col::kWorkoutDays.work0(0), r.days0);
    set(col::kWorkoutDays.work0(1), r.days1);
    EXPECT_EQ(run(col::kRR), r.rr) << r.yards0 << " " << r.yards1 << " " << r.days1;
  }
}

TEST_F(Readiness, SEL) {
  struct Row {
    const char *d, *gap, *weight, *finish0, *sel;
  };
  // Fourth of 9 last time, sixth of 10 before that.
  set(field::kPastStarters.race0(0), "9");
  set(field::kPastStarters.race0(1), "10");
  set(field::kPastFinishPosition.race0(1), "6");
  const Row rows[] = {
      {"10", "30", "118", "4", "  9"}, {"15", "30", "120", "4", "  9"},
      {"16", "30", "118", "4", "0"},   {"10", "30", "121", "4", "0"},
      {"10", "30", "0", "4", "0"},     {"10", "0", "118", "4", "0"},
      {"10", "30", "118", "1", "0"},   {"0", "30", "118", "4", "0"},
      {"10", "30", "118", "9", "  4"},
  };
  for (const Row& r : rows) {
    set(col::kDaysSincePast.race0(0), r.d);
    set(col::kDaysSincePast.race0(1), r.gap);
    set(field::kWeight, r.weight);
    set(field::kPastFinishPosition.race0(0), r.finish0);
    EXPECT_EQ(run(col::kSEL), r.sel) << r.d << " " << r.weight << " " << r.finish0;
  }
}

TEST_F(Readiness, AScratchedHorseGetsTheNeutralValues) {
  set(col::kScratchMark, "S");
  set(col::kDaysSincePast.race0(0), "10");
  set(col::kDaysSincePast.race0(1), "30");
  set(field::kWeight, "118");
  set(field::kPastFinishPosition.race0(0), "3");
  set(field::kPastStarters.race0(0), "9");
  EXPECT_EQ(run(col::kF23), "");
  EXPECT_EQ(m.text(1, col::kSEL), "0");
  EXPECT_EQ(m.text(1, col::kRR), "0");
  EXPECT_EQ(m.text(1, col::kREADY), "2");
  EXPECT_EQ(ready("-5", "6", "12"), "2");
}

// Field sizes no real card holds overflow the sum; the figure is still a number.
TEST_F(Readiness, AnOverflowingFigureShowsAsZero) {
  set(col::kDaysSincePast.race0(0), "10");
  set(col::kDaysSincePast.race0(1), "30");
  set(field::kWeight, "118");
  set(field::kPastFinishPosition.race0(0), "4");
  set(field::kPastStarters.race0(0), "1.1e4932");
  set(field::kPastStarters.race0(1), "1.1e4932");
  EXPECT_EQ(run(col::kSEL), "  0");  // the field sizes overflow; a non-finite figure shows as 0
}

}  // namespace
}  // namespace kestravo
