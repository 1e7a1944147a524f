#include "card/early_pace.h"

#include <gtest/gtest.h>

#include "card/card_matrix.h"
#include "card/columns.h"

namespace kestravo {
namespace {

TEST(EarlyPositionPoints, FirstCall) {
  EXPECT_EQ(firstCallPoints(1, 7), 30);  // the leader scores 30 whatever the lengths say
  EXPECT_EQ(firstCallPoints(2, 0.5), 30);
  EXPECT_EQ(firstCallPoints(2, 1), 30);
  EXPECT_EQ(firstCallPoints(2, 1.25), 26);
  EXPECT_EQ(firstCallPoints(2, 1.5), 26);
  EXPECT_EQ(firstCallPoints(2, 2), 21);
  EXPECT_EQ(firstCallPoints(3, 2.5), 15);
  EXPECT_EQ(firstCallPoints(3, 3), 8);
  EXPECT_EQ(firstCallPoints(5, 3.5), 1);
  EXPECT_EQ(firstCallPoints(0, 3.5), 1);  // far back counts even without a position
  EXPECT_EQ(firstCallPoints(0, 2), 0);    // close up without a position counts nothing
  EXPECT_EQ(firstCallPoints(0, 0), 0);
  EXPECT_EQ(firstCallPoints(2, 0), 0);
}

TEST(EarlyPositionPoints, SecondCall) {
  EXPECT_EQ(secondCallPoints(1, 9), 30);
  EXPECT_EQ(secondCallPoints(2, 1), 24);
  EXPECT_EQ(secondCallPoints(2, 1.5), 16);
  EXPECT_EQ(secondCallPoints(2, 2), 6);
  EXPECT_EQ(secondCallPoints(2, 2.5), 6);
  EXPECT_EQ(secondCallPoints(2, 2.75), 1);
  EXPECT_EQ(secondCallPoints(0, 0), 0);
}

// Where the float of a bound lies above its decimal (23.6f, 23.2f, 22.6f, 22.2f, 21.6f,
// 21.2f) an exact time on the bound falls into the faster band; where it lies below (23.4f,
// 22.8f, 22.4f, 21.4f) into the slower one.
TEST(EarlyPositionPoints, FractionBoundsAreSinglePrecision) {
  struct Row {
    long double seconds;
    int points;
  };
  const Row rows[] = {
      {0, 0},      {24.01L, 0}, {24, 1},     {23.8L, 1},  {23.7L, 2},  {23.6L, 3},  {23.5L, 3},
      {23.4L, 3},  {23.3L, 4},  {23.2L, 5},  {23, 5},     {22.9L, 6},  {22.8L, 6},  {22.7L, 7},
      {22.6L, 8},  {22.4L, 8},  {22.3L, 14}, {22.2L, 20}, {22.1L, 20}, {22, 0},     {21.9L, 26},
      {21.8L, 26}, {21.7L, 31}, {21.6L, 35}, {21.5L, 35}, {21.4L, 35}, {21.3L, 38}, {21.2L, 40},
      {21.1L, 40}, {21, 0},     {20.5L, 40}, {-1, 0},
  };
  for (const Row& r : rows) EXPECT_EQ(fractionPoints(r.seconds), r.points) << r.seconds;
}

class PastRaces : public ::testing::Test {
 protected:
  void SetUp() override { m.reset(1); }
  void pace(int j, const char* yards) {
    m.setText(1, field::kPastDistance.race(j), yards);
    m.setText(1, field::kPastPace1.race(j), "p1");
    m.setText(1, field::kPastPace2.race(j), "p2");
    m.setText(1, field::kPastPace3.race(j), "p3");
    m.setText(1, field::kPastPace4.race(j), "p4");
  }
  std::string e1(int j) { return std::string(m.text(1, col::kE1.race(j))); }
  std::string e2(int j) { return std::string(m.text(1, col::kE2.race(j))); }
  CardMatrix m;
};

TEST_F(PastRaces, PaceFiguresFollowTheDistance) {
  const char* yards[] = {"1100", "1101", "1320", "-1650", "1651",
                         "1760", "2199", "2200", "2640",  "0"};
  for (int j = 1; j <= 10; ++j) pace(j, yards[j - 1]);
  computeEarlyPace(m, 1);
  const char* expected[][2] = {{"p1", "p1"}, {"p1", "p2"}, {"p1", "p2"}, {"p1", "p2"}, {"p2", "p3"},
                               {"p2", "p3"}, {"p2", "p3"}, {"p2", "p4"}, {"p2", "p4"}, {"0", "0"}};
  for (int j = 1; j <= 10; ++j) {
    EXPECT_EQ(e1(j), expected[j - 1][0]) << yards[j - 1];
    EXPECT_EQ(e2(j), expected[j - 1][1]) << yards[j - 1];
  }
}

TEST_F(PastRaces, AllWeatherMarksTheSurface) {
  m.setText(1, field::kPastSurface.race(1), "D");
  m.setText(1, field::kPastAllWeather.race(1), "A");
  m.setText(1, field::kPastSurface.race(2), "T");
  m.setText(1, field::kPastAllWeather.race(2), "a");
  computeEarlyPace(m, 1);
  EXPECT_EQ(m.text(1, field::kPastSurface.race(1)), "A");
  EXPECT_EQ(m.text(1, field::kPastSurface.race(2)), "T");
}

TEST_F(PastRaces, EarlyPointsAddTheThreeScores) {
  m.setText(1, field::kPastFirstCallPosition.race(3), "2");
  m.setText(1, field::kPastFirstCallBehind.race(3), "1.5");
  m.setText(1, field::kPastSecondCallPosition.race(3), "1");
  m.setText(1, field::kPastFirstFraction.race(3), "22.2");
  computeEarlyPace(m, 1);
  EXPECT_EQ(m.text(1, col::kEarlyPoints.race(3)), " 76");  // 26 + 30 + 20
  EXPECT_EQ(m.text(1, col::kEarlyPoints.race(1)), " 0");
}

TEST_F(PastRaces, ClassAverageOfTheLastThree) {
  struct Row {
    const char* c1;
    const char* c2;
    const char* c3;
    const char* acl3;
  };
  const Row rows[] = {
      {"80", "0", "90", "  85"},  {"80", "81", "85", "  82"}, {"80", "82", "", "  81"},
      {"", "70", "75", "  72"},   {"0", "0", "66", "  66"},   {"0", "66", "0", "  66"},
      {"81", "", "", "  81"},     {"80", "-1", "90", "0"},    {"0", "0", "0", "0"},
      {"80", "85", "86", "  84"},  // 83.67 rounds up
  };
  for (const Row& r : rows) {
    m.setText(1, field::kPastClassFigure.race(1), r.c1);
    m.setText(1, field::kPastClassFigure.race(2), r.c2);
    m.setText(1, field::kPastClassFigure.race(3), r.c3);
    computeEarlyPace(m, 1);
    EXPECT_EQ(m.text(1, col::kACL3), r.acl3) << r.c1 << "," << r.c2 << "," << r.c3;
  }
}

TEST_F(PastRaces, AScratchedHorseKeepsOnlyItsEarlyPoints) {
  m.setText(1, col::kScratchMark, "S");
  pace(1, "1320");
  m.setText(1, field::kPastSurface.race(1), "D");
  m.setText(1, field::kPastAllWeather.race(1), "A");
  m.setText(1, field::kPastClassFigure.race(1), "80");
  m.setText(1, field::kPastFirstCallPosition.race(1), "1");
  computeEarlyPace(m, 1);
  EXPECT_EQ(e1(1), "0");
  EXPECT_EQ(e2(1), "0");
  EXPECT_EQ(m.text(1, col::kACL3), "0");
  EXPECT_EQ(m.text(1, field::kPastSurface.race(1)), "D");
  EXPECT_EQ(m.text(1, col::kEarlyPoints.race(1)), " 30");
}

}  // namespace
}  // namespace kestravo
