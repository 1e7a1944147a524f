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
static_assert(kMaxDataFileBytes <= CardMatrix::kMostFileBytes,
              "a card's text offsets must stay clear of its stored figures'");
inline constexpr int kMaxDataFileRecords = 10000;

// Messages for the user, upper case like every screen text.
struct LoadProblems {
  bool dataFileRead = false;  // false: cannot be opened, or refused (card left empty)
  // False when a scratch file exists but cannot be read: the card is computed as if
  // nothing were scratched or picked.
  bool scratchFileRead = true;
  std::vector<std::string> messages;
  // The cards of an archive that holds several when none was chosen (card.archiveMember
  // empty), or when the one chosen is not among them: the load read none of them.
  std::vector<std::string> cardChoices;
};

// Steps 1 and 2 of a load: the data file into card.matrix, raceCount, then the scratch
// file (created when missing) into card.scratchTable and the card. Everything but
// dataFilePath and the race lines (one per race, kept as they are) is replaced. A refused
// file leaves the card empty and the scratch file untouched.
LoadProblems readDataFile(Card& card);

// Leaves the card with no entry and no race; dataFilePath and the race lines stay.
void emptyCard(Card& card);

// The scratch-file step alone, for a card whose matrix is loaded.
void applyScratchFile(Card& card, LoadProblems& problems);

// The bytes of the card: the data file itself, or for a zipped card the card inside the
// archive, read in memory (card.archiveMember, set here when the archive holds one card).
// False when they cannot be had; the reason is told in `problems`.
bool readCardText(Card& card, std::string& out, LoadProblems& problems);

// The scratch file of the card: beside the data file, named after it (SAR0812.DRF keeps
// SAR0812.tch); for a zipped card beside the archive, named after the card inside, so the
// marks stay the same whichever archive the card arrives in.
std::string cardScratchFileName(const Card& card);

}  // namespace kestravo
