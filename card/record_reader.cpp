#include "card/record_reader.h"

#include <algorithm>
#include <array>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kestravo {

namespace {

constexpr char kCtrlZ = 26;

bool isRecordEnd(char c) { return c == '\r' || c == '\n'; }

// Characters that end or alter an unquoted field.
constexpr std::array<bool, 256> kUnquotedStops = [] {
  std::array<bool, 256> stops{};
  stops[0] = true;  // also the end of the data
  stops[static_cast<unsigned char>(',')] = true;
  stops[static_cast<unsigned char>('\r')] = true;
  stops[static_cast<unsigned char>('\n')] = true;
  stops[static_cast<unsigned char>('\t')] = true;
  return stops;
}();

// Lets the vendor's quoted fields and its occasional Unix line ends load alike. A field's
// text is a slice of the file as it stands; only an unquoted field with tabs in it is
// rewritten, shorter, in its own place.
class Decoder {
 public:
  Decoder(RecordTable& table, int maxRecords)
      : t_(table), s_(table.text.data()), end_(table.text.size()), maxRecords_(maxRecords) {}

  void run() {
    // Every record end is a CR or an LF, so their count bounds the records: the spans are
    // allocated once instead of growing record by record.
    const std::size_t ends = countOf('\r') + countOf('\n');
    const std::size_t most = std::min(ends + 1, static_cast<std::size_t>(maxRecords_) + 1);
    t_.spans.reserve(most * static_cast<std::size_t>(t_.fieldsPerRecord));
    while (pos_ < end_) {
      if (skipBlankLine()) continue;
      if (t_.recordCount == maxRecords_) {
        t_.truncated = true;
        break;
      }
      readRecord();
    }
  }

 private:
  std::size_t countOf(char c) const {
    std::size_t n = 0;
    for (const char* p = s_; (p = static_cast<const char*>(std::memchr(p, c, s_ + end_ - p)));
         ++p) {
      ++n;
    }
    return n;
  }

  // A line of only blanks and tabs (or nothing) is consumed and is no entry.
  bool skipBlankLine() {
    std::size_t p = pos_;
    while (p < end_ && (s_[p] == ' ' || s_[p] == '\t')) ++p;
    if (p == end_) {
      pos_ = end_;
      return true;
    }
    if (!isRecordEnd(s_[p])) return false;
    pos_ = consumeRecordEnd(p);
    return true;
  }

  std::size_t consumeRecordEnd(std::size_t p) const {
    if (s_[p] == '\r' && p + 1 < end_ && s_[p + 1] == '\n') return p + 2;
    return p + 1;
  }

  // One record, field by field. The text ends in a NUL (a std::string always does), which
  // stops every scan at the end of the data without a separate bounds check; a NUL inside
  // the data is an ordinary character.
  void readRecord() {
    const std::size_t base = t_.spans.size();
    t_.spans.resize(base + static_cast<std::size_t>(t_.fieldsPerRecord));
    FieldSpan* spans = t_.spans.data() + base;
    const auto fields = static_cast<std::size_t>(t_.fieldsPerRecord);
    ++t_.recordCount;
    const char* s = s_;
    std::size_t p = pos_;
    std::size_t field = 0;  // 0-based
    for (;;) {
      // Most fields of a card are empty: step over them before anything else.
      const std::size_t run = p;
      while (s[p] == ',') ++p;
      field += p - run;
      if (field >= fields) {
        // Every field wanted is read; only the record's end is still to be found.
        p = skipRestOfRecord(p);
        break;
      }
      while (s[p] == ' ') ++p;
      if (s[p] == '"') {
        const std::size_t start = ++p;
        while (s[p] != '"' && s[p] != '\0') ++p;
        while (s[p] == '\0' && p < end_) {  // a NUL inside the field
          ++p;
          while (s[p] != '"' && s[p] != '\0') ++p;
        }
        if (field < fields) spans[field] = span(start, p);
        if (p < end_) ++p;  // the closing quote
        while (s[p] == ' ' || s[p] == '\t') ++p;
        if (p >= end_) break;
        if (s[p] == ',') {
          ++p;
          ++field;
          if (p >= end_) break;  // a trailing comma at the very end adds nothing
          continue;
        }
        if (isRecordEnd(s[p])) {
          p = consumeRecordEnd(p);
          break;
        }
        ++field;  // after a closing quote any other character begins the next field
        continue;
      }
      const std::size_t start = p;
      while (!kUnquotedStops[static_cast<unsigned char>(s[p])]) ++p;
      std::size_t length = p - start;
      if (s[p] == '\t' || (s[p] == '\0' && p < end_)) {
        // Tabs are dropped and NULs kept: the rest of the field is written, shorter, in its
        // own place.
        std::size_t write = p;
        for (; p < end_ && s[p] != ',' && !isRecordEnd(s[p]); ++p) {
          if (s[p] != '\t') s_[write++] = s[p];
        }
        length = write - start;
      }
      if (field < fields) spans[field] = span(start, start + length);
      if (p >= end_) break;
      if (s[p] == ',') {
        ++p;
        ++field;
        if (p >= end_) break;
        continue;
      }
      p = consumeRecordEnd(p);  // CR or LF
      break;
    }
    pos_ = p;
  }

  // The position after the end of the record whose field starts at p, read by the same rules
  // without keeping anything: only quotes and record ends need a look. A quote opens a
  // quoted field when it starts a field (after a comma and blanks, or after a closing quote
  // and blanks or tabs); anywhere else it is an ordinary character.
  std::size_t skipRestOfRecord(std::size_t p) const {
    const char* s = s_;
    for (;;) {  // at the start of a field
      while (s[p] == ' ') ++p;
      if (p >= end_) return end_;
      if (s[p] == '"') {
        const std::size_t close = findQuoteOrRecordEnd(p + 1, false);
        if (close >= end_) return end_;
        p = close + 1;
        while (s[p] == ' ' || s[p] == '\t') ++p;
        if (p >= end_) return end_;
        if (isRecordEnd(s[p])) return consumeRecordEnd(p);
        if (s[p] == ',') ++p;
        continue;
      }
      const std::size_t fieldStart = p;
      for (;;) {  // in unquoted text
        const std::size_t q = findQuoteOrRecordEnd(p, true);
        if (q >= end_) return end_;
        if (isRecordEnd(s[q])) return consumeRecordEnd(q);
        std::size_t before = q;
        while (before > fieldStart && s[before - 1] == ' ') --before;
        if (before > fieldStart && s[before - 1] == ',') {
          p = q;  // this quote starts a field of its own
          break;
        }
        p = q + 1;
      }
    }
  }

  // The next quote at or after p, or with `recordEnds` also the next CR or LF; end_ when
  // there is none.
  std::size_t findQuoteOrRecordEnd(std::size_t p, bool recordEnds) const {
#if defined(__SSE2__)
    // Sixteen characters at a time while a whole block lies inside the data.
    const __m128i quote = _mm_set1_epi8('"');
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (; p + 16 <= end_; p += 16) {
      const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s_ + p));
      __m128i hits = _mm_cmpeq_epi8(block, quote);
      if (recordEnds) {
        hits =
            _mm_or_si128(hits, _mm_or_si128(_mm_cmpeq_epi8(block, cr), _mm_cmpeq_epi8(block, lf)));
      }
      if (const int mask = _mm_movemask_epi8(hits)) {
        return p + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
      }
    }
#endif
    for (; p < end_; ++p) {
      const char c = s_[p];
      if (c == '"' || (recordEnds && isRecordEnd(c))) return p;
    }
    return end_;
  }

  static FieldSpan span(std::size_t from, std::size_t to) {
    return FieldSpan{static_cast<std::uint32_t>(from), static_cast<std::uint32_t>(to - from)};
  }

  RecordTable& t_;
  char* const s_;
  const std::size_t end_;
  const int maxRecords_;
  std::size_t pos_ = 0;
};

}  // namespace

std::string_view RecordTable::field(int record, int f) const {
  if (record < 1 || record > recordCount || f < 1 || f > fieldsPerRecord) return {};
  const FieldSpan s =
      spans[static_cast<std::size_t>(record - 1) * static_cast<std::size_t>(fieldsPerRecord) +
            static_cast<std::size_t>(f - 1)];
  return std::string_view(text).substr(s.offset, s.size);
}

RecordTable readRecords(std::string data, int fieldsPerRecord, int maxRecords) {
  RecordTable table;
  table.fieldsPerRecord = fieldsPerRecord < 1 ? 1 : fieldsPerRecord;
  if (const std::size_t z = data.find(kCtrlZ); z != std::string::npos) data.resize(z);
  table.text = std::move(data);
  Decoder(table, maxRecords < 0 ? 0 : maxRecords).run();
  return table;
}

}  // namespace kestravo
