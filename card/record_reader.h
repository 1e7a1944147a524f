// The comma-separated record reader shared by the data file, the scratch file and the
// race-line step. It decodes a whole file at once into one text buffer and a table of
// field spans, so the card matrix can be sized before a single cell is stored.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kestravo {

// Write FieldSpan{} for an empty field: a declared span is left unset, so that tables of them
// can grow without being cleared first.
struct FieldSpan {
  std::uint32_t offset;
  std::uint32_t size;
};

// An allocator whose vectors grow without setting the new elements, for tables that are
// written in full right after they grow.
template <typename T>
struct UnsetAllocator : std::allocator<T> {
  template <typename U>
  struct rebind {
    using other = UnsetAllocator<U>;
  };
  UnsetAllocator() = default;
  template <typename U>
  UnsetAllocator(const UnsetAllocator<U>&) noexcept {}
  template <typename U>
  void construct(U* p) noexcept {
    ::new (static_cast<void*>(p)) U;
  }
  template <typename U, typename... Args>
  void construct(U* p, Args&&... args) {
    ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
  }
};

using SpanList = std::vector<FieldSpan, UnsetAllocator<FieldSpan>>;

// A decoded file: `fieldsPerRecord` spans per record into `text`, each record's spans `stride`
// apart (the spans between are empty); fields a record does not have are empty.
struct RecordTable {
  std::string text;
  SpanList spans;
  int fieldsPerRecord = 0;
  int stride = 0;
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

// The same, unless the data holds more than `maxRecords` records: then nothing is decoded,
// `truncated` is set with no record read, and no room is taken beyond the text. `spans` is
// filled (emptied first) so that the room it has is used again, each record's spans `stride`
// apart (at least fieldsPerRecord), so that a table with more columns than the file can take
// them as its rows. A refusal costs one pass over the record ends, and a load that is not
// refused pays for no second one.
RecordTable readRecordsUnlessMore(std::string data, int fieldsPerRecord, int maxRecords,
                                  SpanList spans, int stride = 0);

// Whether the data holds more than `limit` records, by the same rules, told from the record
// ends alone: nothing is decoded or kept, and reading stops at the record past the limit.
bool moreRecordsThan(const std::string& data, int limit);

}  // namespace kestravo
