#include "figures/speed_summaries.h"

#include <gtest/gtest.h>

#include <string>

#include "card/card_matrix.h"
#include "card/columns.h"
#include "figures/columns.h"

namespace kestravo {
namespace {

class SpeedSummaries : public ::testing::Test {
 protected:
  void SetUp() override { m.reset(1); }
  // The SPD figures of the last races, the most recent first; the rest are empty.
  void figures(std::initializer_list<const char*> spd) {
    int k = 0;
    for (const char* s : spd) m.setText(1, field::kPastSpeed.race0(k++), s);
    for (; k < kPastRaces; ++k) m.setText(1, field::kPastSpeed.race0(k), "");
    computeSpeedSummaries(m, 1);
  }
  std::string best() {
    return std::string(m.text(1, col::kBEST1)) + "|" + std::string(m.text(1, col::kBEST2)) + "|" +
           std::string(m.text(1, col::kBEST3));
  }
  std::string av3() { return std::string(m.text(1, col::kAV3)); }
  CardMatrix m;
};

TEST_F(SpeedSummaries, BestThree) {
  figures({"80", "0", "92", "75"});
  EXPECT_EQ(best(), " 92| 80| 75");
  figures({"90", "70", "90", "88", "90"});
  EXPECT_EQ(best(), " 90| 90| 90");  // equal figures take a place each
  figures({"90.5", "91.5", "89"});
  EXPECT_EQ(best(), " 92| 90| 89");  // halves go to the even neighbour
  figures({"", "", "", "", "", "", "", "", "", "104"});
  EXPECT_EQ(best(), "104|0|0");  // the tenth race counts too
  figures({"-5", "60", "-70"});
  EXPECT_EQ(best(), " 60|0|0");
  figures({"0.4", "-1"});
  EXPECT_EQ(best(), "0|0|0");
  figures({});
  EXPECT_EQ(best(), "0|0|0");
}

TEST_F(SpeedSummaries, AV3) {
  struct Row {
    const char *a, *b, *c, *av3;
  };
  const Row rows[] = {
      {"80", "0", "92", " 86"}, {"80", "85", "92", " 86"}, {"80", "81", "92", " 84"},
      {"90", "91", "", " 90"},  {"91", "90", "0", " 90"},  {"91", "", "", " 91"},
      {"90.5", "", "", " 90"},  // AV3 alone is rounded by its mask
      {"0", "85", "92", "0"},   {"", "85", "", "0"},       {"-80", "85", "92", "0"},
      {"80", "-85", "92", "0"}, {"80", "85", "-92", "0"},  {"80", "-1", "0", "0"},
      {"80", "0", "-1", "0"},
  };
  for (const Row& r : rows) {
    figures({r.a, r.b, r.c});
    EXPECT_EQ(av3(), r.av3) << r.a << " " << r.b << " " << r.c;
  }
}

TEST_F(SpeedSummaries, AScratchedHorseGetsZeros) {
  m.setText(1, col::kScratchMark, "S");
  figures({"80", "85", "92"});
  EXPECT_EQ(best(), "0|0|0");
  EXPECT_EQ(av3(), "0");
}

TEST_F(SpeedSummaries, AbsurdFiguresGiveNumbers) {
  figures({"1.1e4932", "1.1e4932", "1.1e4932"});
  EXPECT_EQ(av3(), "  0");  // the sum overflows; a non-finite figure shows as 0
  // A figure past the range of whole-number counters keeps its size.
  figures({"1e30", "2e19", "90.5"});
  EXPECT_EQ(best(), "1000000000000000000000000000000|20000000000000000000| 90");
}

}  // namespace
}  // namespace kestravo
