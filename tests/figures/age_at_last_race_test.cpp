#include "figures/age_at_last_race.h"

#include <gtest/gtest.h>

#include "card/fields.h"
#include "figures/columns.h"
#include "one_entry.h"

namespace kestravo {
namespace {

TEST(AGELR, YearOfTheLastRaceLessTheYearOfBirth) {
  struct Row {
    const char* date;
    const char* born;
    const char* age;
  };
  const Row rows[] = {
      {"20210704", "18", " 3"}, {"20210704", "", "21"}, {"", "18", "-18"},  // no past race
      {"2021", "18", " 3"},     {"202", "18", "-16"},   {"20", "18", "-18"}, {"1999", "98", " 1"},
  };
  for (const Row& r : rows) {
    testing::OneEntry e;
    e.set(field::kPastDate.race(1), r.date);
    e.set(field::kBirthYear, r.born);
    computeAGELR(e.m, 1);
    EXPECT_EQ(e.cell(col::kAGELR), r.age) << r.date << " " << r.born;
  }
}

TEST(AGELR, EmptyForAScratchedHorse) {
  testing::OneEntry e;
  e.set(field::kPastDate.race(1), "20210704");
  e.set(field::kBirthYear, "18");
  e.scratch();
  computeAGELR(e.m, 1);
  EXPECT_EQ(e.cell(col::kAGELR), "");
}

}  // namespace
}  // namespace kestravo
