#include "oddsline/uncoupled_trainers.h"

#include <algorithm>
#include <map>
#include <set>
#include <string_view>
#include <utility>

#include "card/columns.h"
#include "oddsline/columns.h"

namespace kestravo {

namespace {

constexpr std::string_view kUncoupled = "UT ";

// The lowest and highest program number of one trainer's runners in a race.
struct ProgramRange {
  long double low;
  long double high;
};

}  // namespace

void markUncoupledTrainers(CardMatrix& m, const RaceRows& races, const std::vector<int>& rows) {
  // A runner is marked when some stablemate bets under another number, which is so for
  // every runner of a trainer exactly when the trainer's numbers are not all one number.
  std::set<std::pair<std::string, std::string>> marked;  // race-number and horse-name texts
  std::map<std::string_view, ProgramRange> trainers;
  for (const std::vector<int>& runners : races) {
    trainers.clear();
    for (int row : runners) {
      const long double program = m.value(row, field::kProgramNumber);
      const auto [it, first] =
          trainers.try_emplace(m.text(row, field::kTrainer), ProgramRange{program, program});
      if (!first) {
        it->second.low = std::min(it->second.low, program);
        it->second.high = std::max(it->second.high, program);
      }
    }
    for (int row : runners) {
      const ProgramRange& range = trainers.at(m.text(row, field::kTrainer));
      if (range.low != range.high) {
        marked.emplace(m.text(row, field::kRaceNumber), m.text(row, field::kHorseName));
      }
    }
  }
  if (marked.empty()) return;
  for (int row : rows) {
    const std::pair<std::string, std::string> key(m.text(row, field::kRaceNumber),
                                                  m.text(row, field::kHorseName));
    if (marked.count(key) != 0) m.setText(row, col::kUncoupledTrainerMark, kUncoupled);
  }
}

}  // namespace kestravo
