// Reading a past-performance data file into the card, and the scratch-file step that
// follows it. Failures of the file system are told through a message; the content of a
// data file is never complained about: whatever it holds loads as far as it goes.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "card/card.h"

namespace kestravo {

inline constexpr std::size_t kMaxDataFileBytes = 64u * 1024u * 1024u;
inline constexpr int kMaxDataFileRecords = 10000;

// Messages for the user, upper case like every screen text.
struct LoadProblems {
  bool dataFileRead = false;  // false: cannot be opened, or refused (card left empty)
  // False when a scratch file exists but cannot be read: the card is computed as if
  // nothing were scratched or picked.
  bool scratchFileRead = true;
  std::vector<std::string> messages;
};

// Steps 1 and 2 of a load: the data file into card.matrix, raceCount, then the scratch
// file (created when missing) into card.scratchTable and the card. Everything but
// dataFilePath and the race lines (one per race, kept as they are) is replaced. A refused
// file leaves the card empty and the scratch file untouched.
LoadProblems readDataFile(Card& card);

// The scratch-file step alone, for a card whose matrix is loaded.
void applyScratchFile(Card& card, LoadProblems& problems);

}  // namespace kestravo
