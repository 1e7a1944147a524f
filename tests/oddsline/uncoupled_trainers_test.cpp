#include "oddsline/uncoupled_trainers.h"

#include <gtest/gtest.h>

#include "card/columns.h"
#include "oddsline/columns.h"
#include "support/card_rows.h"

namespace kestravo {
namespace {

struct Runner {
  const char* race;
  const char* program;
  const char* trainer;
  const char* horse;
  bool scratched;
  const char* mark;
};

void expectMarks(const std::vector<Runner>& runners) {
  std::vector<testing::Cells> rows;
  for (const Runner& r : runners) {
    rows.push_back({{field::kRaceNumber, r.race},
                    {field::kProgramNumber, r.program},
                    {field::kTrainer, r.trainer},
                    {field::kHorseName, r.horse},
                    {col::kScratchMark, r.scratched ? "S" : ""}});
  }
  CardMatrix m = testing::cardOf(rows);
  markUncoupledTrainers(m, testing::runningRowsByRace(m, highestRace(m)), testing::everyRow(m));
  for (std::size_t i = 0; i < runners.size(); ++i) {
    EXPECT_EQ(m.text(static_cast<int>(i) + 1, col::kUncoupledTrainerMark), runners[i].mark)
        << "race " << runners[i].race << ", " << runners[i].horse;
  }
}

TEST(UncoupledTrainers, SeparateBettingNumbersMarkEveryStablemate) {
  expectMarks({
      {"1", "2", "SMITH", "ALPHA", false, "UT "},
      {"1", "5", "SMITH", "BRAVO", false, "UT "},
      {"1", "3", "JONES", "CHARLIE", false, ""},
      // 1 and 1A are coupled and bet as one.
      {"2", "1", "SMITH", "ALPHA", false, ""},
      {"2", "1A", "SMITH", "BRAVO", false, ""},
      {"2", "2", "JONES", "CHARLIE", false, ""},
      // A third runner numbered 4 bets apart from both.
      {"3", "1", "SMITH", "ALPHA", false, "UT "},
      {"3", "1A", "SMITH", "BRAVO", false, "UT "},
      {"3", "4", "SMITH", "DELTA", false, "UT "},
      // Stablemates in different races do not mark each other.
      {"4", "6", "JONES", "ECHO", false, ""},
  });
}

TEST(UncoupledTrainers, TrainerTextsCompareExactly) {
  expectMarks({
      {"1", "1", "SMITH", "ALPHA", false, ""},
      {"1", "2", "smith", "BRAVO", false, ""},
      {"1", "3", "SMITH ", "CHARLIE", false, ""},
  });
}

TEST(UncoupledTrainers, ScratchedRunnersNeitherMarkNorAreTested) {
  expectMarks({
      {"1", "2", "SMITH", "ALPHA", false, ""},
      {"1", "5", "SMITH", "BRAVO", true, ""},
      // A marked horse's name carries the mark to every row of its race, scratched or not.
      {"2", "2", "SMITH", "ALPHA", false, "UT "},
      {"2", "5", "SMITH", "BRAVO", false, "UT "},
      {"2", "7", "JONES", "ALPHA", true, "UT "},
      {"3", "2", "JONES", "ALPHA", false, ""},
      // Entries in no race are not tested.
      {"0", "2", "SMITH", "GOLF", false, ""},
      {"0", "5", "SMITH", "HOTEL", false, ""},
  });
}

}  // namespace
}  // namespace kestravo
