#include "card/record_reader.h"

#include <cstring>

namespace kestravo {

namespace {

constexpr char kCtrlZ = 26;

bool isRecordEnd(char c) { return c == '\r' || c == '\n'; }

// Lets the vendor's quoted fields and its occasional Unix line ends load alike. The
// decoded text is written over the input copy in place: decoding only ever drops
// characters, so the write position never passes the read position.
class Decoder {
 public:
  Decoder(RecordTable& table, int maxRecords) : t_(table), maxRecords_(maxRecords) {}

  void run() {
    pos_ = 0;
    end_ = t_.text.size();
    while (pos_ < end_) {
      if (skipBlankLine()) continue;
      if (t_.recordCount == maxRecords_) {
        t_.truncated = true;
        break;
      }
      readRecord();
    }
    t_.text.resize(write_);
  }

 private:
  char* data() { return t_.text.data(); }

  // A line of only blanks and tabs (or nothing) is consumed and is no entry.
  bool skipBlankLine() {
    std::size_t p = pos_;
    while (p < end_ && (data()[p] == ' ' || data()[p] == '\t')) ++p;
    if (p == end_) {
      pos_ = end_;
      return true;
    }
    if (!isRecordEnd(data()[p])) return false;
    pos_ = consumeRecordEnd(p);
    return true;
  }

  std::size_t consumeRecordEnd(std::size_t p) {
    if (data()[p] == '\r' && p + 1 < end_ && data()[p + 1] == '\n') return p + 2;
    return p + 1;
  }

  void readRecord() {
    const std::size_t base = t_.spans.size();
    t_.spans.resize(base + static_cast<std::size_t>(t_.fieldsPerRecord));
    ++t_.recordCount;
    int fieldNumber = 1;
    for (;;) {
      while (pos_ < end_ && data()[pos_] == ' ') ++pos_;
      const std::size_t start = write_;
      bool quoted = false;
      if (pos_ < end_ && data()[pos_] == '"') {
        quoted = true;
        readQuoted();
      } else {
        readUnquoted();
      }
      if (fieldNumber <= t_.fieldsPerRecord) {
        t_.spans[base + static_cast<std::size_t>(fieldNumber - 1)] = FieldSpan{
            static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(write_ - start)};
      }
      if (quoted) {
        while (pos_ < end_ && (data()[pos_] == ' ' || data()[pos_] == '\t')) ++pos_;
      }
      if (pos_ >= end_) return;
      const char c = data()[pos_];
      if (c == ',') {
        ++pos_;
        ++fieldNumber;
        if (pos_ >= end_) return;  // a trailing comma at the very end adds nothing
        continue;
      }
      if (isRecordEnd(c)) {
        pos_ = consumeRecordEnd(pos_);
        return;
      }
      // After a closing quote any other character begins the next field.
      ++fieldNumber;
    }
  }

  // A quoted field runs to the next quote (record ends included); an unclosed quote
  // runs to the end of the data.
  void readQuoted() {
    ++pos_;
    const char* from = data() + pos_;
    const void* close = std::memchr(from, '"', end_ - pos_);
    const std::size_t stop =
        close ? static_cast<std::size_t>(static_cast<const char*>(close) - data()) : end_;
    copyDown(pos_, stop);
    pos_ = close ? stop + 1 : end_;
  }

  // An unquoted field runs to a comma or record end; tabs inside it are dropped.
  void readUnquoted() {
    std::size_t p = pos_;
    std::size_t runStart = p;
    while (p < end_) {
      const char c = data()[p];
      if (c == ',' || c == '\r' || c == '\n') break;
      if (c == '\t') {
        copyDown(runStart, p);
        runStart = p + 1;
      }
      ++p;
    }
    copyDown(runStart, p);
    pos_ = p;
  }

  void copyDown(std::size_t from, std::size_t to) {
    const std::size_t n = to - from;
    if (n != 0 && write_ != from) std::memmove(data() + write_, data() + from, n);
    write_ += n;
  }

  RecordTable& t_;
  const int maxRecords_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  std::size_t write_ = 0;
};

}  // namespace

std::string_view RecordTable::field(int record, int f) const {
  if (record < 1 || record > recordCount || f < 1 || f > fieldsPerRecord) return {};
  const FieldSpan s =
      spans[static_cast<std::size_t>(record - 1) * static_cast<std::size_t>(fieldsPerRecord) +
            static_cast<std::size_t>(f - 1)];
  return std::string_view(text).substr(s.offset, s.size);
}

RecordTable readRecords(std::string_view data, int fieldsPerRecord, int maxRecords) {
  RecordTable table;
  table.fieldsPerRecord = fieldsPerRecord < 1 ? 1 : fieldsPerRecord;
  if (data.empty()) return table;
  if (const void* z = std::memchr(data.data(), kCtrlZ, data.size())) {
    data = data.substr(0, static_cast<std::size_t>(static_cast<const char*>(z) - data.data()));
  }
  table.text.assign(data);
  Decoder(table, maxRecords < 0 ? 0 : maxRecords).run();
  return table;
}

}  // namespace kestravo
