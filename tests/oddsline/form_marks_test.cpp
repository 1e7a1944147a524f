#include "oddsline/form_marks.h"

#include <gtest/gtest.h>

#include "card/columns.h"
#include "figures/columns.h"
#include "oddsline/columns.h"
#include "support/card_rows.h"

namespace kestravo {
namespace {

using testing::Cells;
using testing::Texts;
using testing::with;

Cells pastRaces(std::initializer_list<std::pair<const char*, const char*>> speedAndGap) {
  Cells cells;
  int j = 1;
  for (const auto& [speed, gap] : speedAndGap) {
    cells.emplace_back(field::kPastSpeed.race(j), speed);
    cells.emplace_back(col::kDaysSincePast.race(j), gap);
    ++j;
  }
  return cells;
}

Cells bests(const char* b1, const char* b2, const char* b3) {
  return {{col::kBEST1, b1}, {col::kBEST2, b2}, {col::kBEST3, b3}};
}

TEST(FormMarks, DaysSinceEachBestAddTheGapsBackToItsRace) {
  const Cells races = pastRaces({{"80", " 14"}, {"85", " 28"}, {"95", " 35"}, {"70", " 20"}});
  CardMatrix m = testing::cardOf({
      with(pastRaces({{"90", " 21"}, {"80", " 30"}}), bests(" 90", " 80", "  0")),
      with(races, bests(" 95", " 85", " 80")),
      // A figure no race matches counts back through every gap.
      with(races, bests(" 99", " 95", " 95")),
      // Two races with the best figure: the more recent one counts.
      with(pastRaces({{"88", " 10"}, {"70", " 15"}, {"88", " 40"}}), bests(" 88", " 88", " 70")),
      // A first-time starter: no figures and no gaps.
      bests("  0", "  0", "  0"),
      with(races, with(bests(" 95", " 85", " 80"), {{col::kScratchMark, "S"}})),
  });
  for (int row = 1; row <= m.entryCount(); ++row) computeDaysSinceBest(m, row);
  EXPECT_EQ(testing::columnTexts(m, col::kDaysSinceBest1),
            (Texts{"  21", "  77", "  97", "  10", "   0", ""}));
  EXPECT_EQ(testing::columnTexts(m, col::kDaysSinceBest2),
            (Texts{"  51", "  42", "  77", "  10", "   0", ""}));
  EXPECT_EQ(testing::columnTexts(m, col::kDaysSinceBest3),
            (Texts{"  51", "  14", "  77", "  25", "   0", ""}));
}

struct Form {
  const char* d1;
  const char* d2;
  const char* d3;
  const char* b1;
  const char* b2;
  const char* b3;
  const char* age;
};

Texts formMarksOf(std::initializer_list<Form> horses, bool scratched = false) {
  std::vector<Cells> rows;
  for (const Form& f : horses) {
    rows.push_back(with(bests(f.b1, f.b2, f.b3), {{col::kDaysSinceBest1, f.d1},
                                                  {col::kDaysSinceBest2, f.d2},
                                                  {col::kDaysSinceBest3, f.d3},
                                                  {col::kAGELR, f.age},
                                                  {col::kScratchMark, scratched ? "S" : ""}}));
  }
  CardMatrix m = testing::cardOf(rows);
  for (int row = 1; row <= m.entryCount(); ++row) markForm(m, row);
  return testing::columnTexts(m, col::kFormMark);
}

TEST(FormMarks, BestFresherThanTheSecond) {
  EXPECT_EQ(formMarksOf({
                {"30", "60", "90", "95", "90", "80", "3"},
                {"10", "60", "90", "95", "90", "80", "3"},
                {"13", "60", "90", "95", "90", "80", "3"},
                {"14", "60", "90", "95", "90", "80", "3"},
                {"84", "90", "90", "95", "90", "80", "3"},
                {"85", "90", "90", "95", "90", "80", "3"},
                {"30", "60", "90", "95", "90", "80", "2"},
                {"30", "60", "90", "95", "90", "80", "4"},
                {"30", "60", "90", "95", "90", "80", "5"},
                {"30", "60", "90", "95", "90", "80", "1"},
                {"30", "60", "90", "95", "94", "80", "3"},
                {"30", "60", "90", "95", "95", "80", "3"},
                {"30", "60", "90", "95", "75", "70", "3"},
                {"30", "60", "90", "95", "74", "70", "3"},
                {"30", "30", "90", "95", "90", "80", "3"},
            }),
            (Texts{"F ", "", "", "F ", "F ", "", "F ", "F ", "", "", "F ", "", "F ", "", ""}));
  EXPECT_EQ(formMarksOf({{"30", "60", "90", "95", "90", "80", "3"}}, true), Texts{""});
}

TEST(FormMarks, BestBetweenAFresherSecondAndAnOlderThird) {
  EXPECT_EQ(formMarksOf({
                {"30", "20", "40", "95", "94", "75", "3"},
                {"30", "20", "40", "95", "94", "74", "3"},
                {"30", "20", "40", "95", "95", "80", "3"},
                {"30", "20", "30", "95", "94", "80", "3"},
                {"13", "10", "40", "95", "94", "80", "3"},
                {"14", "10", "40", "95", "94", "80", "3"},
                {"84", "20", "90", "95", "94", "80", "3"},
                {"85", "20", "90", "95", "94", "80", "3"},
                {"30", "20", "40", "95", "94", "80", "4"},
                {"30", "20", "40", "95", "94", "80", "5"},
            }),
            (Texts{"F ", "", "", "", "", "F ", "F ", "", "F ", ""}));
}

}  // namespace
}  // namespace kestravo
