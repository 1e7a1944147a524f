#include "card/track_table.h"

#include <gtest/gtest.h>

#include "card/card_matrix.h"
#include "card/columns.h"

namespace kestravo {
namespace {

struct TrackCase {
  const char* code;
  const char* indicator;
  const char* value;
};

// The training-track rows for SAR and SA stand above the plain rows, so the indicator decides
// between them; codes that end in TR are tracks of their own whatever the indicator says.
TEST(TrackTable, TrainingTrackRowsComeFirst) {
  const TrackCase cases[] = {
      {"SA", "TR", "14"}, {"SA", "", "12"},     {"  SA  ", "TR", "14"}, {" SA ", "", "12"},
      {"SA", "tr", "12"}, {"SA", " TR", "12"},  {"SA", "TR ", "12"},    {"SAR", "TR", "12"},
      {"SAR", "", "5"},   {"SAR", "X", "5"},    {"SARTR", "", "12"},    {"SARTR", "TR", "12"},
      {"SATR", "", "14"}, {"BELTR", "TR", "3"}, {"BEL", "TR", "3"},     {"AQUIN", "", "8"},
      {"AQU", "", "7"},   {"EVT", "", "17"},  // the last row
  };
  for (const TrackCase& c : cases) {
    EXPECT_EQ(trackValue(c.code, c.indicator), c.value) << '"' << c.code << "\" \"" << c.indicator;
  }
}

TEST(TrackTable, CodesMatchWholeAndInTheirCase) {
  const TrackCase cases[] = {
      {"PRX", "", "0"},   {"TUP", "", "-2"},   {"BEU", "TR", "-7"}, {"sa", "TR", "0"},
      {"Sar", "", "0"},   {"", "TR", "0"},     {"   ", "", "0"},    {"S", "", "0"},
      {"SAX", "", "0"},   {"AQU IN", "", "0"}, {"SA\t", "", "0"},  // only blanks are trimmed
      {"SA TR", "", "0"},
  };
  for (const TrackCase& c : cases) {
    EXPECT_EQ(trackValue(c.code, c.indicator), c.value) << '"' << c.code << "\" \"" << c.indicator;
  }
}

TEST(TrackTable, EachWorkoutUsesItsOwnIndicator) {
  CardMatrix m;
  m.reset(2);
  for (int row = 1; row <= 2; ++row) {
    m.setText(row, field::kWorkoutTrack.work(1), "SA");
    m.setText(row, field::kWorkoutTrackIndicator.work(1), "TR");
    m.setText(row, field::kWorkoutTrack.work(2), "SA");
    m.setText(row, field::kWorkoutTrack.work(12), " HOU");
  }
  m.setText(2, col::kScratchMark, "S");
  for (int row = 1; row <= 2; ++row) {
    for (int w = 1; w <= kWorkouts; ++w) computeTrackValue(m, row, w);
  }
  EXPECT_EQ(m.text(1, col::kTrackValue.work(1)), "14");
  EXPECT_EQ(m.text(1, col::kTrackValue.work(2)), "12");
  EXPECT_EQ(m.text(1, col::kTrackValue.work(3)), "0");
  EXPECT_EQ(m.text(1, col::kTrackValue.work(12)), "18");
  for (int w = 1; w <= kWorkouts; ++w) EXPECT_EQ(m.text(2, col::kTrackValue.work(w)), "0") << w;
}

}  // namespace
}  // namespace kestravo
