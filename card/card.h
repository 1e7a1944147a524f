// One loaded race card: the card matrix with its companion values. The application owns
// exactly one and every load replaces it whole.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "card/card_matrix.h"
#include "card/scratch_file.h"

namespace kestravo {

inline constexpr int kMaxRaceNumber = 99;

// Entry R = the starters of race R that are not scratched (entry 0 unused).
using RaceStarters = std::vector<int>;

struct Card {
  CardMatrix matrix;
  int raceCount = 0;
  RaceStarters raceStarters;
  ScratchTable scratchTable;
  std::vector<std::string> raceLine;  // entry R = conditions line of race R (entry 0 unused)
  std::string dataFilePath;
  // For a zipped card (dataFilePath ends in .zip): the card file inside the archive, by its
  // member name. Set before a load to choose among several cards; a load of an archive
  // holding one card sets it, so every reload reads the same card.
  std::string archiveMember;
  std::string scratchFileName;
  // False when the scratch file exists but could not be read: it may hold marks this load
  // could not see, so it must not be rewritten.
  bool scratchFileRead = true;

  int entryCount() const { return matrix.entryCount(); }
};

// The race a race-number text denotes: R when it reads exactly R in 1..99, else 0 (no
// race).
int raceNumberOf(std::string_view raceField);

// The race an entry runs in, by its race number; 0 for an entry in no race.
int raceOf(const CardMatrix& matrix, int row);

// The highest race that has an entry; 0 when none.
int highestRace(const CardMatrix& matrix);

// Entry R = every row of race R, scratched ones included, in file order; entry 0 holds the
// rows in no race of 1..raceCount. Every row is in exactly one entry.
using RaceRows = std::vector<std::vector<int>>;
RaceRows rowsByRace(const CardMatrix& matrix, int raceCount);
// The runners among `rows`, the rows of race `race` as rowsByRace gives them: those not
// scratched, in file order. Rows in no race (race 0) never run.
void runningRows(const CardMatrix& matrix, std::size_t race, const std::vector<int>& rows,
                 std::vector<int>& running);

}  // namespace kestravo
