#include "figures/record_counts.h"

#include <gtest/gtest.h>

#include <string>

#include "card/card_matrix.h"
#include "card/columns.h"
#include "figures/columns.h"

namespace kestravo {
namespace {

class RecordCounts : public ::testing::Test {
 protected:
  void SetUp() override {
    m.reset(1);
    m.setText(1, field::kPurse, "25000");
    m.setText(1, field::kRaceType, "M");
    m.setText(1, field::kSurface, "D");
    m.setText(1, field::kDistance, "1320");
  }
  // Past race k: finish, purse, race type, surface, distance.
  void race(int k, const char* finish, const char* purse, const char* type = "M",
            const char* surface = "D", const char* distance = "1320") {
    m.setText(1, field::kPastFinishPosition.race0(k), finish);
    m.setText(1, field::kPastPurse.race0(k), purse);
    m.setText(1, field::kPastClassText.race0(k), type);
    m.setText(1, field::kPastSurface.race0(k), surface);
    m.setText(1, field::kPastDistance.race0(k), distance);
  }
  // ITMPURSE|WINS10|MDNLOSS after the counts run.
  std::string counts() {
    computeRecordCounts(m, 1);
    return std::string(m.text(1, col::kITMPURSE)) + "|" + std::string(m.text(1, col::kWINS10)) +
           "|" + std::string(m.text(1, col::kMDNLOSS));
  }
  CardMatrix m;
};

TEST_F(RecordCounts, OneRace) {
  struct Row {
    const char *finish, *purse, *type, *surface, *distance, *counts;
  };
  const Row rows[] = {
      {"1", "25000", "M", "D", "1320", " 1| 1|"},
      {"3", "25000.0", "M", "D", "1320", " 1|| 1"},  // purses are equal as numbers
      {"4", "25000", "M", "D", "1320", "|| 1"},
      {"2", "30000", "M", "D", "1320", "||"},
      {"1", "30000", "M", "D", "1320", "| 1|"},
      {"2", "25000", "S", "D", "1320", " 1||"},  // a maiden race of the other kind
      {"2", "25000", "M", "T", "1320", " 1||"},
      {"2", "25000", "M", "D", "1320.0", " 1||"},  // distances are compared as texts
      {"2", "25000", "M", "D", " 1320", " 1||"},
      {"2", "25000", "m", "D", "1320", " 1||"},
      {"", "25000", "M", "D", "1320", "||"},  // a race never run
      {"0.5", "25000", "M", "D", "1320", "||"},
      {"3.5", "25000", "M", "D", "1320", "|| 1"},
  };
  for (const Row& r : rows) {
    race(0, r.finish, r.purse, r.type, r.surface, r.distance);
    EXPECT_EQ(counts(), r.counts) << r.finish << " " << r.purse << " " << r.type << " " << r.surface
                                  << " " << r.distance;
  }
}

TEST_F(RecordCounts, MaidenLossesNeedAMaidenRaceToday) {
  race(0, "2", "25000", "S");
  m.setText(1, field::kRaceType, "S");
  EXPECT_EQ(counts(), " 1|| 1");
  m.setText(1, field::kRaceType, "C");
  race(0, "2", "25000", "C");
  EXPECT_EQ(counts(), " 1||");
}

TEST_F(RecordCounts, TenRacesAddUp) {
  for (int k = 0; k < kPastRaces; ++k) race(k, k < 4 ? "1" : "5", "25000");
  EXPECT_EQ(counts(), " 4| 4| 6");
  // Run again on the same card: the counts start afresh.
  EXPECT_EQ(counts(), " 4| 4| 6");
}

TEST_F(RecordCounts, AScratchedHorseCountsNothing) {
  for (int k = 0; k < kPastRaces; ++k) race(k, k < 4 ? "1" : "5", "25000");
  m.setText(1, col::kScratchMark, "S");
  EXPECT_EQ(counts(), "||");
}

}  // namespace
}  // namespace kestravo
