#include "figures/connections.h"

#include <gtest/gtest.h>

#include "card/fields.h"
#include "figures/columns.h"
#include "one_entry.h"

namespace kestravo {
namespace {

struct Periods {
  const char* meetStarts;
  const char* meetWins;
  const char* yearStarts;
  const char* yearWins;
  const char* lastYearStarts;
  const char* lastYearWins;
  const char* percent;
  const char* mark = " ";  // TWMARK, when these are the trainer's
};

// TWMARK reads the percentage as stored: 14.9 is stored as 15 and marked.
const Periods kPeriodCases[] = {
    {"30", "6", "", "", "", "", " 20", "<"},
    {"25", "3", "90", "30", "", "", " 12"},         // the meet alone from 25 starts
    {"24", "6", "25", "5", "", "", " 22", "<"},     // 11 of 49 with the current year
    {"10", "2", "40", "6", "", "", " 16", "<"},     // 8 of 50
    {"2", "1", "3", "1", "25", "4", " 20", "<"},    // 6 of 30 with the previous year
    {"10", "2", "12", "2", "14", "1", " 14"},       // 5 of 36 = 13.9
    {"10", "2", "12", "2", "12", "1", " 15", "<"},  // 5 of 34 = 14.7
    {"10", "2", "12", "2", "11", "1", "0"},         // 33 starts are too few
    {"1000", "149", "", "", "", "", " 15", "<"},    // 14.9
    {"40", "6", "", "", "", "", " 15", "<"},
    {"250", "36", "", "", "", "", " 14"},  // 14.4
    {"30", "0", "", "", "", "", "  0"},
    {"", "", "", "", "", "", "0"},
    // Negative counts that cancel out leave nothing to divide by.
    {"-25", "1", "25", "5", "", "", "  0"},
};

using PeriodFields = int[6];
constexpr PeriodFields kTrainerFields = {
    field::kTrainerMeetStarts, field::kTrainerMeetWins,       field::kTrainerYearStarts,
    field::kTrainerYearWins,   field::kTrainerLastYearStarts, field::kTrainerLastYearWins};
constexpr PeriodFields kJockeyFields = {field::kJockeyMeetStarts,     field::kJockeyMeetWins,
                                        field::kJockeyYearStarts,     field::kJockeyYearWins,
                                        field::kJockeyLastYearStarts, field::kJockeyLastYearWins};

void setPeriods(testing::OneEntry& e, const Periods& p, const PeriodFields& f) {
  const char* texts[] = {p.meetStarts, p.meetWins,       p.yearStarts,
                         p.yearWins,   p.lastYearStarts, p.lastYearWins};
  for (int i = 0; i < 6; ++i) e.set(f[i], texts[i]);
}

std::string trace(const Periods& p) {
  return std::string(p.meetStarts) + "/" + p.meetWins + " " + p.yearStarts + "/" + p.yearWins +
         " " + p.lastYearStarts + "/" + p.lastYearWins;
}

TEST(Connections, TrainerWinPercentOverThePeriods) {
  for (const Periods& p : kPeriodCases) {
    testing::OneEntry e;
    setPeriods(e, p, kTrainerFields);
    computeConnections(e.m, 1);
    EXPECT_EQ(e.cell(col::kTW), p.percent) << trace(p);
    EXPECT_EQ(e.cell(col::kTWMARK), p.mark) << trace(p);
    EXPECT_EQ(e.cell(col::kJWIN), "0") << trace(p);
  }
}

TEST(Connections, JockeyWinPercentOverThePeriods) {
  for (const Periods& p : kPeriodCases) {
    testing::OneEntry e;
    setPeriods(e, p, kJockeyFields);
    computeConnections(e.m, 1);
    EXPECT_EQ(e.cell(col::kJWIN), p.percent) << trace(p);
    EXPECT_EQ(e.cell(col::kTW), "0") << trace(p);
    EXPECT_EQ(e.cell(col::kTWMARK), " ") << trace(p);
  }
}

TEST(Connections, AScratchedHorseGetsNoPercentAndNoMark) {
  testing::OneEntry e;
  e.set(field::kTrainerMeetStarts, "30");
  e.set(field::kTrainerMeetWins, "6");
  e.set(field::kJockeyMeetStarts, "30");
  e.set(field::kJockeyMeetWins, "9");
  e.scratch();
  computeConnections(e.m, 1);
  EXPECT_EQ(e.cell(col::kTW), "0");
  EXPECT_EQ(e.cell(col::kJWIN), "0");
  EXPECT_EQ(e.cell(col::kTWMARK), " ");
}

struct Category {
  const char* win;
  const char* paid;
};

std::string keyStat(std::initializer_list<Category> categories, bool scratched = false) {
  testing::OneEntry e;
  int c = 0;
  for (const Category& k : categories) {
    e.set(field::kKeyStats.winPercent(c), k.win);
    e.set(field::kKeyStats.returnOnInvestment(c), k.paid);
    ++c;
  }
  e.scratch(scratched);
  computeConnections(e.m, 1);
  return e.cell(col::kKEYSTAT);
}

TEST(Connections, KEYSTATTakesTheFirstQualifyingCategory) {
  EXPECT_EQ(keyStat({{"18", "2.4"}}), " 18   2.40");
  EXPECT_EQ(keyStat({{"12", "-0.40"}, {"9", "1.10"}}), "  9   1.10");
  EXPECT_EQ(keyStat({{"9", "1.10"}, {"15", "0"}}), "  9   1.10");
  EXPECT_EQ(keyStat({{"14", "0"}, {"15", "-1"}}), " 15  -1.00");
  EXPECT_EQ(keyStat({{"", ""}, {"", ""}, {"", ""}, {"", ""}, {"", ""}, {"20", ""}}), " 20   0.00");
  EXPECT_EQ(keyStat({{"14", "0"}, {"10", "-1"}}), "");
  EXPECT_EQ(keyStat({}), "");
}

// Only the paying alternative asks for a horse that runs.
TEST(Connections, KEYSTATOfAScratchedHorseQualifiesOnlyByItsWinRate) {
  EXPECT_EQ(keyStat({{"9", "1.10"}, {"15", "0"}}, true), " 15   0.00");
  EXPECT_EQ(keyStat({{"9", "1.10"}}, true), "");
}

}  // namespace
}  // namespace kestravo
