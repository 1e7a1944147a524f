// The comma-separated record reader shared by the data file, the scratch file and the
// race-line step. It decodes a whole file at once into one text buffer and a table of
// field spans, so the card matrix can be sized before a single cell is stored.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kestravo {

struct FieldSpan {
  std::uint32_t offset = 0;
  std::uint32_t size = 0;
};

// A decoded file: `fieldsPerRecord` spans per record into `text`; fields a record does
// not have are empty.
struct RecordTable {
  std::string text;
  std::vector<FieldSpan> spans;
  int fieldsPerRecord = 0;
  int recordCount = 0;
  // True when the data held more records than the reader was allowed to take.
  bool truncated = false;

  // Field f (1-based) of record r (1-based); empty outside the table.
  std::string_view field(int record, int f) const;
};

// Reads records (taking the text over, so pass it by std::move when it is not needed
// afterwards) up to `maxRecords` (beyond it `truncated` is set and reading stops).
// A record ends at CR LF, a lone CR or a lone LF outside quotes; a line of nothing but
// blanks and tabs is no record; Ctrl-Z ends the data; fields past `fieldsPerRecord`
// are dropped without shifting anything into the next record.
RecordTable readRecords(std::string data, int fieldsPerRecord, int maxRecords);

}  // namespace kestravo
