#include "card/records.h"

#include <gtest/gtest.h>

#include <string>

#include "card/card_matrix.h"
#include "card/columns.h"

namespace kestravo {
namespace {

// Starts, wins, places, shows, earnings.
using Record = const char* const[5];

class Records : public ::testing::Test {
 protected:
  void SetUp() override { m.reset(1); }
  void set(RecordFields f, const Record& r) {
    const int columns[] = {f.starts(), f.wins(), f.places(), f.shows(), f.earnings()};
    for (int i = 0; i < 5; ++i) m.setText(1, columns[i], r[i]);
  }
  std::string cell(int column) { return std::string(m.text(1, column)); }
  CardMatrix m;
};

// A win weighs 0.6, a place 0.2 and a show 0.1, each a single a little above its decimal:
// 609 over ten wins is 101.5 in decimals but just below it here.
TEST_F(Records, APVOfOneRecord) {
  const struct {
    Record record;
    const char* apv;
  } cases[] = {
      {{"10", "2", "1", "1", "30000"}, "20000"},  // wider than its mask
      {{"0", "2", "1", "1", "30000"}, "0"},      {{"-3", "2", "1", "1", "30000"}, "0"},
      {{"10", "0", "0", "0", "30000"}, "0"},     {{"10", "1", "", "", "60"}, "100"},
      {{"20", "10", "0", "0", "609"}, "101"},    {{"20", "10", "0", "0", "603"}, "100"},
      {{"5", "0", "0", "1", "50"}, "500"},       {{"5", "0", "1", "0", ""}, "  0"},
      {{"5", "0", "1", "-2", "100"}, "  0"},  // the weights cancel exactly
      {{".5", "1", "0", "0", "6"}, " 10"},
  };
  for (const auto& c : cases) {
    set(field::kLifetimeRecord, c.record);
    computeAPV(m, 1);
    EXPECT_EQ(cell(col::kAPVLifetime), c.apv) << c.record[0] << " starts, $" << c.record[4];
  }
}

TEST_F(Records, EachRecordFeedsItsOwnAPV) {
  const RecordFields records[] = {field::kLifetimeRecord,   field::kFirstYearRecord,
                                  field::kSecondYearRecord, field::kDistanceRecord,
                                  field::kTrackRecord,      field::kDirtRecord,
                                  field::kTurfRecord,       field::kAllWeatherRecord};
  const char* earnings[] = {"60", "120", "180", "240", "300", "360", "420", "480"};
  for (int i = 0; i < 8; ++i) set(records[i], {"3", "1", "0", "0", earnings[i]});
  computeAPV(m, 1);
  EXPECT_EQ(cell(col::kAPVLifetime), "100");
  EXPECT_EQ(cell(col::kAPVFirstYear), "  200");  // the one five-place mask
  EXPECT_EQ(cell(col::kAPVSecondYear), "300");
  EXPECT_EQ(cell(col::kAPVYears), "250");
  EXPECT_EQ(cell(col::kAPVDistance), "400");
  EXPECT_EQ(cell(col::kAPVTrack), "500");
  EXPECT_EQ(cell(col::kAPVDirt), "600");
  EXPECT_EQ(cell(col::kAPVTurf), "700");
  EXPECT_EQ(cell(col::kAPVAllWeather), "800");
}

// The two years count together only when the horse started in both.
TEST_F(Records, APVOfBothYears) {
  const struct {
    Record first;
    Record second;
    const char* apv;
  } cases[] = {
      {{"0", "1", "0", "0", "300"}, {"0", "1", "0", "0", "300"}, "0"},
      {{"5", "1", "0", "0", "300"}, {"0", "1", "0", "0", "300"}, "0"},
      {{"0", "1", "0", "0", "300"}, {"6", "1", "0", "0", "300"}, "0"},
      {{"-1", "1", "0", "0", "300"}, {"6", "1", "0", "0", "300"}, "0"},
      {{"5", "0", "0", "0", "300"}, {"6", "0", "0", "0", "300"}, "0"},
      {{"5", "1", "0", "0", "300"}, {"6", "0", "1", "1", "150"}, "500"},
      {{"5", "0", "0", "0", "0"}, {"6", "1", "0", "0", "60"}, "100"},
      {{"5", "2", "1", "1", "30000"}, {"6", "0", "0", "0", "0"}, "20000"},
      {{"5", "1", "0", "0", "300"}, {"6", "-1", "0", "0", "300"}, "  0"},
  };
  for (const auto& c : cases) {
    set(field::kFirstYearRecord, c.first);
    set(field::kSecondYearRecord, c.second);
    computeAPV(m, 1);
    EXPECT_EQ(cell(col::kAPVYears), c.apv) << c.first[0] << " and " << c.second[0] << " starts";
  }
}

// Lifetime starts, wins, places, shows, percentage.
TEST_F(Records, InTheMoneyPercent) {
  const char* const cases[][5] = {
      {"10", "2", "3", "1", " 60"}, {"10", "0", "0", "0", "0"},    {"0", "2", "3", "1", "0"},
      {"-10", "2", "3", "1", "0"},  {"8", "1", "0", "0", " 12"},   {"8", "3", "0", "0", " 38"},
      {"10", "-1", "0", "0", "0"},  {"10", "5", "-1", "0", " 40"}, {"2", "2", "1", "0", "150"},
  };
  for (const auto& c : cases) {
    set(field::kLifetimeRecord, {c[0], c[1], c[2], c[3], ""});
    computeInTheMoneyPercent(m, 1);
    EXPECT_EQ(cell(col::kInTheMoneyPercent), c[4]) << c[0] << ": " << c[1] << c[2] << c[3];
  }
}

}  // namespace
}  // namespace kestravo
