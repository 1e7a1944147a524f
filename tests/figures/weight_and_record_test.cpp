#include "figures/weight_and_record.h"

#include <gtest/gtest.h>

#include "card/fields.h"
#include "figures/columns.h"
#include "one_entry.h"

namespace kestravo {
namespace {

TEST(WeightAndRecord, WTCHGAgainstARaceWithAnEarlyPaceFigure) {
  struct Row {
    const char* e1;
    const char* today;
    const char* last;
    bool scratched;
    const char* change;
  };
  const Row rows[] = {
      {"80", "118", "122", false, " -4"}, {"80", "122", "118", false, "  4"},
      {"80", "118", "118", false, "  0"}, {"", "118", "", false, "NA"},  // no past race
      {"0", "118", "122", false, "NA"},  // both weights known, no E1
      {"80", "0", "122", false, "NA"},    {"80", "118", "-1", false, "NA"},
      {"80", "118", "122", true, "NA"},
  };
  for (const Row& r : rows) {
    testing::OneEntry e;
    e.set(col::kE1.race(1), r.e1);
    e.set(field::kWeight, r.today);
    e.set(field::kPastWeight.race(1), r.last);
    e.scratch(r.scratched);
    computeWeightAndRecord(e.m, 1);
    EXPECT_EQ(e.cell(col::kWTCHG), r.change) << r.e1 << " " << r.today << " " << r.last;
  }
}

TEST(WeightAndRecord, LifetimeWinPercent) {
  struct Row {
    const char* starts;
    const char* wins;
    bool scratched;
    const char* percent;
  };
  const Row rows[] = {
      {"10", "3", false, " 30"}, {"3", "1", false, " 33"}, {"10", "0", false, "  0"},
      {"0", "0", false, "0"},    {"", "", false, "0"},     {"-5", "1", false, "0"},
      {"10", "3", true, "0"},
  };
  for (const Row& r : rows) {
    testing::OneEntry e;
    e.set(field::kLifetimeRecord.starts(), r.starts);
    e.set(field::kLifetimeRecord.wins(), r.wins);
    e.scratch(r.scratched);
    computeWeightAndRecord(e.m, 1);
    EXPECT_EQ(e.cell(col::kLW), r.percent) << r.starts << "/" << r.wins;
  }
}

}  // namespace
}  // namespace kestravo
