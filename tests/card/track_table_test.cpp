#include "card/track_table.h"

#include <gtest/gtest.h>

#include "card/card_matrix.h"
#include "card/columns.h"

namespace kestravo {
namespace {

// Track code, indicator, value. The training-track rows for SAR and SA stand above the plain
// rows, and only an indicator of exactly "TR" reaches them; codes ending in TR are tracks of
// their own whatever the indicator says.
TEST(TrackTable, TrainingTrackRowsComeFirst) {
  const char* const cases[][3] = {
      {"SA", "TR", "14"}, {"SA", "", "12"},    {"  SA  ", "TR", "14"}, {" SA ", "", "12"},
      {"SA", "tr", "12"}, {"SA", " TR", "12"}, {"SA", "TR ", "12"},    {"SAR", "TR", "12"},
      {"SAR", "X", "5"},  {"SARTR", "", "12"}, {"SATR", "", "14"},     {"BELTR", "TR", "3"},
      {"BEL", "TR", "3"}, {"AQUIN", "", "8"},  {"EVT", "", "17"},
  };
  for (const auto& c : cases) EXPECT_EQ(trackValue(c[0], c[1]), c[2]) << c[0] << '/' << c[1];
}

TEST(TrackTable, CodesMatchWholeAndInTheirCase) {
  const char* const cases[][3] = {
      {"PRX", "", "0"},   {"TUP", "", "-2"},     {"BEU", "TR", "-7"},
      {"sa", "TR", "0"},  {"Sar", "", "0"},      {"", "TR", "0"},
      {"   ", "", "0"},   {"SAX", "", "0"},      {"SA\t", "", "0"},  // only blanks are trimmed
      {"SA TR", "", "0"}, {"SARATOGA", "", "0"},
  };
  for (const auto& c : cases) EXPECT_EQ(trackValue(c[0], c[1]), c[2]) << c[0] << '/' << c[1];
}

TEST(TrackTable, EachWorkoutUsesItsOwnIndicator) {
  CardMatrix m;
  m.reset(1);
  m.setText(1, field::kWorkoutTrack.work(1), "SA");
  m.setText(1, field::kWorkoutTrackIndicator.work(1), "TR");
  m.setText(1, field::kWorkoutTrack.work(12), "SA");
  for (int w = 1; w <= kWorkouts; ++w) computeTrackValue(m, 1, w);
  EXPECT_EQ(m.text(1, col::kTrackValue.work(1)), "14");
  EXPECT_EQ(m.text(1, col::kTrackValue.work(2)), "0");
  EXPECT_EQ(m.text(1, col::kTrackValue.work(12)), "12");
}

}  // namespace
}  // namespace kestravo
