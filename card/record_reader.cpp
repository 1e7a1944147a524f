#include "card/record_reader.h"

#include <algorithm>
#include <array>
#include <cstddef>
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

// Where the records of a text begin and end, by the reader's rules, without keeping
// anything. The byte at `end` must be readable and neither a blank nor a tab: the NUL that
// ends every std::string, or the Ctrl-Z that cut the data short.
class RecordBounds {
 public:
  RecordBounds(const char* s, std::size_t end) : s_(s), end_(end) {}

  // Every record end is a CR or an LF, so one more than their count bounds the records.
  std::size_t mostRecords() const {
    std::size_t ends = 0;
    std::size_t p = 0;
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    while (p + 16 <= end_) {
      // Sixteen counters of a byte each, added up before any of them can pass 255.
      __m128i counts = _mm_setzero_si128();
      const std::size_t stop = std::min(end_, p + 255 * 16);
      for (; p + 16 <= stop; p += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s_ + p));
        const __m128i hits = _mm_or_si128(_mm_cmpeq_epi8(block, cr), _mm_cmpeq_epi8(block, lf));
        counts = _mm_sub_epi8(counts, hits);  // a hit is -1
      }
      const __m128i sums = _mm_sad_epu8(counts, _mm_setzero_si128());
      ends += static_cast<std::size_t>(_mm_cvtsi128_si32(sums) + _mm_extract_epi16(sums, 4));
    }
#endif
    for (; p < end_; ++p) ends += isRecordEnd(s_[p]) ? 1 : 0;
    return ends + 1;
  }

  // Whether more than `limit` records follow the current position; reads no further than the
  // record after the limit.
  bool moreRecordsThan(int limit) {
    return mostRecords() > static_cast<std::size_t>(limit) && recordsPast(limit);
  }

  // The same, record by record, for a caller whose count of record ends already allows more
  // than `limit`.
  bool recordsPast(int limit) {
    int records = 0;
    while (pos_ < end_) {
      if (skipBlankLine()) continue;
      if (records++ == limit) return true;
      pos_ = skipRestOfRecord(pos_);
    }
    return false;
  }

 protected:
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

  const char* const s_;
  const std::size_t end_;
  std::size_t pos_ = 0;
};

// Lets the vendor's quoted fields and its occasional Unix line ends load alike. A field's
// text is a slice of the file as it stands; only an unquoted field with tabs in it is
// rewritten, shorter, in its own place.
class Decoder : RecordBounds {
 public:
  Decoder(RecordTable& table, int maxRecords)
      : RecordBounds(table.text.data(), table.text.size()),
        t_(table),
        text_(table.text.data()),
        maxRecords_(maxRecords) {}

  // With `refuseMore`, data of more than maxRecords records is only told (truncated, no
  // record read) before any span is allocated.
  void run(bool refuseMore) {
    const std::size_t bound = mostRecords();
    if (refuseMore && bound > static_cast<std::size_t>(maxRecords_) &&
        RecordBounds(s_, end_).recordsPast(maxRecords_)) {
      t_.truncated = true;
      return;
    }
    // The spans are allocated once instead of growing record by record.
    const std::size_t most = std::min(bound, static_cast<std::size_t>(maxRecords_) + 1);
    t_.spans.reserve(most * stride());
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
  enum class Next { kField, kRecordEnd };

  // One record, field by field: runs of plain fields block by block, every other field by the
  // careful reading.
  void readRecord() {
    const std::size_t base = t_.spans.size();
    t_.spans.resize(base + stride());  // left unset: every span is written below
    FieldSpan* spans = t_.spans.data() + base;
    ++t_.recordCount;
    std::size_t p = pos_;
    std::size_t field = 0;  // 0-based
    written_ = 0;
    for (;;) {
      p = readPlainFields(p, field, spans);
      if (field >= fields()) {
        p = skipRestOfRecord(p);
        break;
      }
      if (readField(p, field, spans) == Next::kRecordEnd) break;
    }
    // Fields the record does not have are empty, and so are the spans past its fields, while
    // the record's spans are still at hand.
    std::fill(spans + written_, spans + stride(), FieldSpan{});
    pos_ = p;
  }

  std::size_t fields() const { return static_cast<std::size_t>(t_.fieldsPerRecord); }
  std::size_t stride() const { return static_cast<std::size_t>(t_.stride); }

  // The careful reading of the field that starts at p (with any empty fields in front of it),
  // by every rule. The text ends in a NUL (a std::string always does), which stops every scan
  // at the end of the data without a separate bounds check; a NUL inside the data is an
  // ordinary character.
  Next readField(std::size_t& p, std::size_t& field, FieldSpan* spans) {
    const char* s = s_;
    const std::size_t fields = this->fields();
    // Most fields of a card are empty: step over them before anything else.
    const std::size_t run = p;
    while (s[p] == ',') ++p;
    field += p - run;
    for (; written_ < field && written_ < fields; ++written_) spans[written_] = FieldSpan{};
    if (field >= fields) {
      // Every field wanted is read; only the record's end is still to be found.
      p = skipRestOfRecord(p);
      return Next::kRecordEnd;
    }
    while (s[p] == ' ') ++p;
    if (s[p] == '"') {
      const std::size_t start = ++p;
      while (s[p] != '"' && s[p] != '\0') ++p;
      while (s[p] == '\0' && p < end_) {  // a NUL inside the field
        ++p;
        while (s[p] != '"' && s[p] != '\0') ++p;
      }
      put(spans, field, span(start, p));
      if (p < end_) ++p;  // the closing quote
      while (s[p] == ' ' || s[p] == '\t') ++p;
      if (p >= end_) return Next::kRecordEnd;
      if (s[p] == ',') {
        ++p;
        ++field;
        // A trailing comma at the very end adds nothing.
        return p >= end_ ? Next::kRecordEnd : Next::kField;
      }
      if (isRecordEnd(s[p])) {
        p = consumeRecordEnd(p);
        return Next::kRecordEnd;
      }
      ++field;  // after a closing quote any other character begins the next field
      return Next::kField;
    }
    const std::size_t start = p;
    while (!kUnquotedStops[static_cast<unsigned char>(s[p])]) ++p;
    std::size_t length = p - start;
    if (s[p] == '\t' || (s[p] == '\0' && p < end_)) {
      // Tabs are dropped and NULs kept: the rest of the field is written, shorter, in its
      // own place.
      std::size_t write = p;
      for (; p < end_ && s[p] != ',' && !isRecordEnd(s[p]); ++p) {
        if (s[p] != '\t') text_[write++] = s[p];
      }
      length = write - start;
    }
    put(spans, field, span(start, start + length));
    if (p >= end_) return Next::kRecordEnd;
    if (s[p] == ',') {
      ++p;
      ++field;
      return p >= end_ ? Next::kRecordEnd : Next::kField;
    }
    p = consumeRecordEnd(p);  // CR or LF
    return Next::kRecordEnd;
  }

  // Precondition: field < fields(), and every span before it is written.
  void put(FieldSpan* spans, std::size_t field, FieldSpan s) {
    spans[field] = s;
    written_ = field + 1;
  }

  static constexpr std::size_t kBlock = 64;
  // How far past a run of empty fields putEmptySpans may write.
  static constexpr std::size_t kEmptySpansPastRun = 3;

  // Where the characters that shape fields stand in the block of 64 bytes from p, one bit each.
  struct Block {
    std::uint64_t commas = 0;
    std::uint64_t quotes = 0;
    std::uint64_t blanks = 0;
    std::uint64_t controls = 0;  // codes 0 to 13: NUL, tab, LF, CR and their rare neighbours
  };

  // The bytes of a card are mostly commas and short fields. Here they are read in blocks of 64
  // bytes, a bit per byte, so a run of fields costs a few instructions each and no guessing: a
  // field that starts with neither a blank nor a quote and ends at a comma before any control
  // code, and a quoted field that holds no control code and closes just before a comma, read
  // exactly as the careful reading reads them. Returns the start of the first field that needs
  // the careful reading, or of the first field not wanted.
  std::size_t readPlainFields(std::size_t p, std::size_t& field, FieldSpan* spans) {
    if (field >= fields() || written_ < field) return p;
    const Scan scan = scanPlainFields(p, spans + field, spans + fields());
    field = static_cast<std::size_t>(scan.out - spans);
    written_ = field;
    return scan.p;
  }

  struct Scan {
    std::size_t p;   // the start of the first field not read
    FieldSpan* out;  // its span
  };

  // For each bit, whether an odd number of the bits up to it are set: from a block that starts
  // a field, the bytes from an opening quote up to (not with) its closing one.
  static std::uint64_t prefixXor(std::uint64_t x) {
    x ^= x << 1;
    x ^= x << 2;
    x ^= x << 4;
    x ^= x << 8;
    x ^= x << 16;
    x ^= x << 32;
    return x;
  }

  // Precondition: out < last, and p starts a field.
  Scan scanPlainFields(std::size_t p, FieldSpan* out, FieldSpan* const last) const {
#if defined(__SSE2__)
    while (p + kBlock <= end_) {
      const Block b = classify(p);
      // The block starts a field, so each quote is taken to open a quoted field that the next
      // one closes, and only the commas outside them part fields. The first field where that
      // may not be the careful reading is left to it: a field starting with a blank, a quote
      // opened anywhere but at a field's start or closed anywhere but just before a comma, and
      // any control code. A record's last field, which ends at a control code, is one of them.
      const std::uint64_t quoted = prefixXor(b.quotes);
      const std::uint64_t commas = b.commas & ~quoted;
      const std::uint64_t starts = (commas << 1) | 1;
      const std::uint64_t opening = b.quotes & quoted;
      const std::uint64_t closing = b.quotes & ~quoted;
      const std::uint64_t special =
          b.controls | (b.blanks & starts) | (opening & ~starts) | (closing & ~(commas >> 1));
      const auto base = static_cast<std::uint32_t>(p);
      std::uint32_t from = 0;  // the current field's start in the block
      const std::uint64_t beforeSpecial = special != 0 ? (special & (~special + 1)) - 1 : ~special;
      std::uint64_t ends = commas & beforeSpecial;
      // A quoted field's span leaves out its two quotes. A block holds at most 64 commas: with
      // room for more spans than that (and what a run of empty ones may write past itself), no
      // field of the block can be the last one wanted, and the loop need not ask.
      if (last - out > static_cast<std::ptrdiff_t>(kBlock + kEmptySpansPastRun)) {
        while (ends != 0) {
          const auto comma = static_cast<std::uint32_t>(__builtin_ctzll(ends));
          if (comma != from) {
            const std::uint32_t quote = static_cast<std::uint32_t>(opening >> from) & 1;
            *out++ = FieldSpan{base + from + quote, comma - from - 2 * quote};
            from = comma + 1;
            ends &= ends - 1;
            continue;
          }
          // Most fields of a card are empty, in long runs of commas: a run is written whole.
          const std::uint64_t after = ~(ends >> from);
          const auto run = after == 0 ? static_cast<std::uint32_t>(kBlock)
                                      : static_cast<std::uint32_t>(__builtin_ctzll(after));
          putEmptySpans(out, base + from, run);
          out += run;
          from += run;
          ends = from < kBlock ? ends & (~std::uint64_t{0} << from) : 0;
        }
      }
      for (; ends != 0; ends &= ends - 1) {
        const auto comma = static_cast<std::uint32_t>(__builtin_ctzll(ends));
        const std::uint32_t quote = static_cast<std::uint32_t>(opening >> from) & 1;
        *out = FieldSpan{base + from + quote, comma - from - 2 * quote};
        from = comma + 1;
        if (++out == last) return {p + from, out};
      }
      // The next block starts at the first field not read, unless that field is left to the
      // careful reading or is longer than a block.
      if (special != 0 || from == 0) return {p + from, out};
      p += from;
    }
#else
    (void)last;  // without the block reading every field is read carefully
#endif
    return {p, out};
  }

#if defined(__SSE2__)
  // The spans of `count` empty fields whose commas stand from `at` on, four at a time: most
  // runs are that short, and take no loop whose end depends on their length.
  // Precondition: out has room for count + 3 spans (the last four may write three beyond).
  static void putEmptySpans(FieldSpan* out, std::uint32_t at, std::uint32_t count) {
    static_assert(sizeof(FieldSpan) == 8 && offsetof(FieldSpan, size) == 4);
    const auto first = static_cast<int>(at);
    __m128i low = _mm_set_epi32(0, first + 1, 0, first);
    __m128i high = _mm_set_epi32(0, first + 3, 0, first + 2);
    const __m128i four = _mm_set_epi32(0, 4, 0, 4);
    for (std::uint32_t i = 0;;) {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), low);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i + 2), high);
      i += 4;
      if (i >= count) break;
      low = _mm_add_epi32(low, four);
      high = _mm_add_epi32(high, four);
    }
  }

  Block classify(std::size_t p) const {
    const __m128i comma = _mm_set1_epi8(',');
    const __m128i quote = _mm_set1_epi8('"');
    const __m128i blank = _mm_set1_epi8(' ');
    const __m128i lastControl = _mm_set1_epi8('\r');
    Block b;
    for (std::size_t i = 0; i < kBlock / 16; ++i) {
      const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s_ + p + 16 * i));
      const auto bits = [i](__m128i hits) {
        return static_cast<std::uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(hits)))
               << (16 * i);
      };
      b.commas |= bits(_mm_cmpeq_epi8(v, comma));
      b.quotes |= bits(_mm_cmpeq_epi8(v, quote));
      b.blanks |= bits(_mm_cmpeq_epi8(v, blank));
      b.controls |= bits(_mm_cmpeq_epi8(_mm_min_epu8(v, lastControl), v));
    }
    return b;
  }
#endif

  static FieldSpan span(std::size_t from, std::size_t to) {
    return FieldSpan{static_cast<std::uint32_t>(from), static_cast<std::uint32_t>(to - from)};
  }

  RecordTable& t_;
  char* const text_;  // the same text as s_, for the fields rewritten in place
  const int maxRecords_;
  std::size_t written_ = 0;  // spans of the record being read that are written
};

}  // namespace

std::string_view RecordTable::field(int record, int f) const {
  if (record < 1 || record > recordCount || f < 1 || f > fieldsPerRecord) return {};
  const FieldSpan s =
      spans[static_cast<std::size_t>(record - 1) * static_cast<std::size_t>(stride) +
            static_cast<std::size_t>(f - 1)];
  return std::string_view(text).substr(s.offset, s.size);
}

bool moreRecordsThan(const std::string& data, int limit) {
  return RecordBounds(data.data(), std::min(data.find(kCtrlZ), data.size()))
      .moreRecordsThan(limit < 0 ? 0 : limit);
}

namespace {

RecordTable decode(std::string data, int fieldsPerRecord, int maxRecords, SpanList spans,
                   bool refuseMore, int stride) {
  RecordTable table;
  table.spans = std::move(spans);
  table.spans.clear();
  table.fieldsPerRecord = fieldsPerRecord < 1 ? 1 : fieldsPerRecord;
  table.stride = std::max(stride, table.fieldsPerRecord);
  if (const std::size_t z = data.find(kCtrlZ); z != std::string::npos) data.resize(z);
  table.text = std::move(data);
  Decoder(table, maxRecords < 0 ? 0 : maxRecords).run(refuseMore);
  return table;
}

}  // namespace

RecordTable readRecords(std::string data, int fieldsPerRecord, int maxRecords) {
  return decode(std::move(data), fieldsPerRecord, maxRecords, SpanList(), false, 0);
}

RecordTable readRecordsUnlessMore(std::string data, int fieldsPerRecord, int maxRecords,
                                  SpanList spans, int stride) {
  return decode(std::move(data), fieldsPerRecord, maxRecords, std::move(spans), true, stride);
}

}  // namespace kestravo
