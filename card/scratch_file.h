// The scratch file: the handicapper's late scratches and past-race picks, kept beside
// the data file (SAR0812.DRF keeps them in SAR0812.tch) so they survive a restart and are
// applied on every load. One line per entry, 50 quoted fields.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "card/blocks.h"
#include "card/record_reader.h"

namespace kestravo {

class CardMatrix;

namespace scratch {
inline constexpr int kFieldCount = 50;
inline constexpr int kRaceNumber = 3;
inline constexpr int kPostPosition = 4;
inline constexpr int kProgramNumber = 5;
inline constexpr int kHorseName = 6;
inline constexpr int kMark = 7;  // "S" scratched, "" running
inline constexpr int kDistance = 8;
inline constexpr PastRaceBlock kPickFlags{21};  // pick flags of past races 1..10
}  // namespace scratch

// The scratch file as read: rows 1..entryCount, fields 1..50. Like the card, it keeps the
// file's own text and points each field into it; a changed field is appended.
class ScratchTable {
 public:
  // Rows 1..entryCount of empty fields.
  void reset(int entryCount);
  // Takes decoded scratch-file records (50 fields a record) as rows 1..entryCount; rows the
  // file does not have are empty.
  void load(RecordTable&& records, int entryCount);
  int entryCount() const { return entryCount_; }
  // Empty outside the table. A returned view stays valid until the next setField.
  std::string_view field(int row, int f) const;
  void setField(int row, int f, std::string_view text);

 private:
  bool inBounds(int row, int f) const {
    return row >= 1 && row <= entryCount_ && f >= 1 && f <= scratch::kFieldCount;
  }
  std::size_t index(int row, int f) const {
    return static_cast<std::size_t>(row - 1) * scratch::kFieldCount +
           static_cast<std::size_t>(f - 1);
  }
  int entryCount_ = 0;
  std::string text_;
  SpanList spans_;
};

// The data file's name with what follows its last dot replaced by "tch" (".tch" appended
// when the name has no dot), in the data file's folder. Empty for an empty path.
std::string scratchFileName(std::string_view dataFilePath);

// The lines a new scratch file starts with: no horse scratched, past race 1 picked.
ScratchTable newScratchTable(const CardMatrix& matrix);

// The file text: 50 quoted fields a line, CR LF line ends.
std::string scratchFileText(const ScratchTable& table);

// Reads the text of a scratch file for `entryCount` entries: missing lines and fields are
// empty, extra ones ignored.
ScratchTable readScratchTable(std::string text, int entryCount);

// Writes the whole scratch file through a temporary file in the same folder renamed over
// the old one, so a crash or a full disk never leaves a half-written file. On failure the
// old file is untouched and `error` says why, in upper case.
bool WriteScratchFile(const ScratchTable& table, const std::string& path, std::string* error);

// Makes the scratch file of a card that has none yet; whatever stands at `path` meanwhile,
// a link included, is left alone. Fails as WriteScratchFile does.
bool createScratchFile(const ScratchTable& table, const std::string& path, std::string* error);

// True for a name that ends in ".tch" in any letter case: such a file is a scratch file,
// and read as a data file it would be its own scratch file and be overwritten.
bool isScratchFileName(std::string_view path);

// What the scratch window lists when the scratch file exists but cannot be read: each
// entry's race, post position, program number and name, with nothing scratched or picked,
// as the card is then computed.
ScratchTable unreadableScratchTable(const CardMatrix& matrix);

// Copies the scratch marks and pick flags into the card.
void applyScratchTable(const ScratchTable& table, CardMatrix& matrix);

}  // namespace kestravo
