#include "card/record_reader.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace kestravo {
namespace {

using Records = std::vector<std::vector<std::string>>;

Records decode(std::string_view data, int fields, int maxRecords = 100) {
  const RecordTable t = readRecords(std::string(data), fields, maxRecords);
  Records out;
  for (int r = 1; r <= t.recordCount; ++r) {
    out.emplace_back();
    for (int f = 1; f <= fields; ++f) out.back().emplace_back(t.field(r, f));
  }
  return out;
}

struct ReaderCase {
  const char* name;
  std::string data;
  Records expected;  // three fields a record
  // Test listings name the row rather than dumping its bytes.
  friend void PrintTo(const ReaderCase& c, std::ostream* os) { *os << c.name; }
};

class ReaderRules : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(ReaderRules, DecodesRecordsAndFields) {
  EXPECT_EQ(decode(GetParam().data, 3), GetParam().expected);
}

const ReaderCase kReaderCases[] = {
    {"crlf", "a,b,c\r\nd,e,f\r\n", {{"a", "b", "c"}, {"d", "e", "f"}}},
    {"lonecr", "a,b,c\rd,e,f\r", {{"a", "b", "c"}, {"d", "e", "f"}}},
    {"lonelf", "a,b,c\nd,e,f\n", {{"a", "b", "c"}, {"d", "e", "f"}}},
    {"nofinalend", "a,b,c\r\nd,e,f", {{"a", "b", "c"}, {"d", "e", "f"}}},
    {"quotes", "\"a\",\"b\",\"c\"\r\n", {{"a", "b", "c"}}},
    {"commainquotes", "\"a,1\",b,c\r\n", {{"a,1", "b", "c"}}},
    {"linebreakinquotes", "\"a\r\nz\",b,c\r\n", {{"a\r\nz", "b", "c"}}},
    {"emptyfields", ",,\r\n", {{"", "", ""}}},
    {"shortrecord", "a\r\nd,e,f\r\n", {{"a", "", ""}, {"d", "e", "f"}}},
    {"longrecord", "a,b,c,x,y\r\nd,e,f\r\n", {{"a", "b", "c"}, {"d", "e", "f"}}},
    {"leadingblanksskipped", "  a,  \"b\",c\r\n", {{"a", "b", "c"}}},
    {"trailingblankskept", "a  ,b,c\r\n", {{"a  ", "b", "c"}}},
    {"tabsdroppedinside", "a\tb,\tc,d\r\n", {{"ab", "c", "d"}}},
    {"blanksandtabsafterquote", "\"a\" \t,b,c\r\n", {{"a", "b", "c"}}},
    {"textafterquotestartsfield", "\"a\"b,c\r\n", {{"a", "b", "c"}}},
    {"unclosedquote", "a,\"b,c\r\nd", {{"a", "b,c\r\nd", ""}}},
    {"ctrlzends",
     "a,b,c\r\n\x1a"
     "d,e,f\r\n",
     {{"a", "b", "c"}}},
    {"ctrlzinsidefield",
     "a,b\x1a"
     "c,d\r\n",
     {{"a", "b", ""}}},
    {"ctrlzinsidequotes",
     "a,\"b\x1a"
     "c\"\r\n",
     {{"a", "b", ""}}},
    {"blanklineskipped", "a,b,c\r\n\r\nd,e,f\r\n", {{"a", "b", "c"}, {"d", "e", "f"}}},
    {"blanklastline", "a,b,c\r\n   \t\r\n", {{"a", "b", "c"}}},
    {"blanksonlyatend", "a,b,c\r\n  ", {{"a", "b", "c"}}},
    {"quotedemptyisrecord", "\"\"\r\n", {{"", "", ""}}},
    {"empty", "", {}},
    {"crcrlf", "a\r\r\nb\r\n", {{"a", "", ""}, {"b", "", ""}}},
    // Past the last field kept, record ends inside quotes still do not end the record, and
    // a quote inside an unquoted field opens nothing.
    {"quotedbreakpastlast", "a,b,c,\"x\r\ny\",z\r\nd,e,f\r\n", {{"a", "b", "c"}, {"d", "e", "f"}}},
    {"literalquotepastlast", "a,b,c,x\"y\r\nd\r\n", {{"a", "b", "c"}, {"d", "", ""}}},
    {"mixedquotespastlast",
     "a,b,c,x\" \"y, \"z\r\n\"\"w\nv\",u\r\nq\n",
     {{"a", "b", "c"}, {"q", "", ""}}},
    {"tabbeforequotepastlast", "a,b,c,\t\"x\ny\n", {{"a", "b", "c"}, {"y", "", ""}}},
};

INSTANTIATE_TEST_SUITE_P(Table, ReaderRules, ::testing::ValuesIn(kReaderCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RecordReader, StopsAtTheRecordLimit) {
  const RecordTable t = readRecords("a\nb\nc\n", 1, 2);
  EXPECT_TRUE(t.truncated);
  EXPECT_EQ(t.recordCount, 2);
  EXPECT_FALSE(readRecords("a\nb\n", 1, 2).truncated);
  // Blank lines are no records, so they do not count towards the limit.
  EXPECT_FALSE(readRecords("a\n\n\n\nb\n", 1, 2).truncated);
}

// The record count that decides a refusal is told from the record ends alone, by the same
// rules as the reading: each row, at its limit, agrees with what the reader finds.
TEST(RecordReader, TellsMoreRecordsThanALimitWithoutDecoding) {
  const struct {
    const char* name;
    std::string data;
    int limit;
    bool more;
  } rows[] = {
      {"two", "a\nb\n", 1, true},
      {"twoatlimit", "a\nb\n", 2, false},
      {"blanklines", "a\n\n  \t\r\n\nb\n", 2, false},
      {"breaksinquotes", "\"x\ny\r\nz\",1\nb\n", 2, false},
      {"breaksinquotesover", "\"x\ny\r\nz\",1\nb\n", 1, true},
      {"quotedbreakpastfirstfield", "a,\"b\r\nc\",d\r\ne\r\n", 2, false},
      {"quoteinsidefield", "x\"y\nz\n", 1, true},
      {"ctrlz", "a\x1a\nb\nc\n", 1, false},
      {"unclosedquote", "a\n\"b\nc\nd\n", 2, false},
      {"none", "", 0, false},
      {"nofinalend", "a\r\nb", 1, true},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(moreRecordsThan(row.data, row.limit), row.more) << row.name;
    EXPECT_EQ(readRecords(row.data, 3, row.limit).truncated, row.more) << row.name;
    // The refusing read decodes nothing past the limit, and below it reads as readRecords.
    const RecordTable refusing = readRecordsUnlessMore(row.data, 3, row.limit, SpanList(9));
    EXPECT_EQ(refusing.truncated, row.more) << row.name;
    if (row.more) {
      EXPECT_EQ(refusing.recordCount, 0) << row.name;
      EXPECT_TRUE(refusing.spans.empty()) << row.name;
    } else {
      const RecordTable plain = readRecords(row.data, 3, row.limit);
      EXPECT_EQ(refusing.recordCount, plain.recordCount) << row.name;
      for (int r = 1; r <= plain.recordCount; ++r) {
        for (int f = 1; f <= 3; ++f) EXPECT_EQ(refusing.field(r, f), plain.field(r, f)) << row.name;
      }
    }
  }
}

TEST(RecordReader, FieldOutsideTheTableIsEmpty) {
  const RecordTable t = readRecords("a,b\r\n", 2, 10);
  EXPECT_EQ(t.field(0, 1), "");
  EXPECT_EQ(t.field(2, 1), "");
  EXPECT_EQ(t.field(1, 3), "");
  EXPECT_EQ(t.field(1, 0), "");
}

// Runs of empty fields end exactly at, just before and just after the last field wanted,
// wherever that falls against the blocks the reader takes them in.
TEST(RecordReader, EmptyFieldsUpToTheLastWanted) {
  for (const int fields : {1, 63, 64, 65, 127, 128, 129}) {
    for (const int commas : {fields - 1, fields, fields + 1, 2 * fields + 70}) {
      if (commas < 0) continue;
      const std::string line = std::string(static_cast<std::size_t>(commas), ',') + "z";
      const RecordTable t = readRecords(line + "\r\n" + line + "\r\nnext\r\n", fields, 10);
      ASSERT_EQ(t.recordCount, 3) << fields << " " << commas;
      for (int r = 1; r <= 2; ++r) {
        for (int f = 1; f <= fields; ++f) {
          ASSERT_EQ(t.field(r, f), f == commas + 1 ? "z" : "") << fields << " " << commas;
        }
      }
      EXPECT_EQ(t.field(3, 1), "next");
    }
  }
}

TEST(RecordReader, ManyFieldsPastTheLastAreDropped) {
  std::string line(100000, ',');
  line += "\r\nx\r\n";
  const RecordTable t = readRecords(line, 3, 10);
  ASSERT_EQ(t.recordCount, 2);
  EXPECT_EQ(t.field(2, 1), "x");
}

// Long records are read in blocks of bytes; each kind of field must read the same wherever it
// falls against the blocks' edges, and a field that needs care must not upset its neighbours.
TEST(RecordReader, EveryKindOfFieldReadsTheSameAtEveryPlaceInALongRecord) {
  struct Kind {
    std::string raw;
    std::string value;
  };
  const Kind kinds[] = {
      {"85", "85"},
      {"", ""},
      {"\"Clm 25000\"", "Clm 25000"},
      {"\"Swept by, drew off\"", "Swept by, drew off"},
      {"\"\"", ""},
      {"  7", "7"},
      {"  \"q\"", "q"},
      {"\"a\" \t", "a"},
      {"a\tb", "ab"},
      {"ab\"c", "ab\"c"},
      {"\"x\r\ny\"", "x\r\ny"},
      {"\", ,\"", ", ,"},
      {"kept  ", "kept  "},
      {std::string(70, 'w'), std::string(70, 'w')},
      {"\"" + std::string(70, 'v') + "\"", std::string(70, 'v')},
  };
  const int kindCount = static_cast<int>(std::size(kinds));
  for (int shift = 0; shift < 140; ++shift) {
    // `shift` one-byte fields in front move every kind across the block edges.
    std::string line;
    std::vector<std::string> expected(static_cast<std::size_t>(shift), "1");
    for (int i = 0; i < shift; ++i) line += "1,";
    for (int k = 0; k < 3 * kindCount; ++k) {
      const Kind& kind = kinds[(k * 7 + shift) % kindCount];
      line += kind.raw + ",";
      expected.push_back(kind.value);
    }
    line += "last";
    expected.push_back("last");
    const int fields = static_cast<int>(expected.size());
    const RecordTable t = readRecords(line + "\r\n" + line + "\n", fields, 10);
    ASSERT_EQ(t.recordCount, 2) << shift;
    for (int r = 1; r <= 2; ++r) {
      for (int f = 1; f <= fields; ++f) {
        ASSERT_EQ(t.field(r, f), expected[static_cast<std::size_t>(f - 1)])
            << "shift " << shift << " record " << r << " field " << f;
      }
    }
    // Fewer fields wanted than the record has: the rest is passed over up to the record end.
    const RecordTable shorter = readRecords(line + "\r\nnext\r\n", fields / 2, 10);
    ASSERT_EQ(shorter.recordCount, 2) << shift;
    EXPECT_EQ(shorter.field(2, 1), "next") << shift;
  }
}

// The reader's rules read one character at a time, for records of no more fields than are
// wanted: a line of blanks and tabs is no record; blanks before a field are dropped; a quoted
// field runs to the next quote, and after it blanks and tabs are dropped and any character but
// a comma or a record end starts the next field; an unquoted field runs to a comma or a record
// end, its tabs dropped; a comma at the very end of the data adds no field.
Records readCharByChar(const std::string& data) {
  const std::string d = data.substr(0, data.find('\x1a'));
  const std::size_t n = d.size();
  const auto isEnd = [&](std::size_t p) { return d[p] == '\r' || d[p] == '\n'; };
  const auto pastEnd = [&](std::size_t p) {
    return p + (d[p] == '\r' && p + 1 < n && d[p + 1] == '\n' ? 2 : 1);
  };
  Records out;
  std::size_t p = 0;
  while (p < n) {
    std::size_t q = p;
    while (q < n && (d[q] == ' ' || d[q] == '\t')) ++q;
    if (q == n) break;
    if (isEnd(q)) {
      p = pastEnd(q);
      continue;
    }
    std::vector<std::string>& record = out.emplace_back();
    for (bool recordEnds = false; !recordEnds;) {
      while (p < n && d[p] == ' ') ++p;
      std::string field;
      if (p < n && d[p] == '"') {
        for (++p; p < n && d[p] != '"'; ++p) field += d[p];
        if (p < n) ++p;
        while (p < n && (d[p] == ' ' || d[p] == '\t')) ++p;
      } else {
        for (; p < n && d[p] != ',' && !isEnd(p); ++p) {
          if (d[p] != '\t') field += d[p];
        }
      }
      record.push_back(field);
      if (p >= n) {
        recordEnds = true;
      } else if (d[p] == ',') {
        recordEnds = ++p >= n;
      } else if (isEnd(p)) {
        p = pastEnd(p);
        recordEnds = true;
      }
    }
  }
  return out;
}

// Random records of every kind of field, plain and odd, at random places against the blocks of
// the reading: both readers agree with the reading character by character.
TEST(RecordReader, ReadsRandomRecordsAsTheCharacterByCharacterReading) {
  constexpr int kFields = 200;
  std::mt19937 rng(1435);
  const auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  const std::string inQuotes = "ab1 ,\t\r\n";
  const auto text = [&](int longest, const std::string& from) {
    std::string t;
    for (int i = pick(longest + 1); i > 0; --i)
      t += from[static_cast<std::size_t>(pick(static_cast<int>(from.size())))];
    return t;
  };
  for (int round = 0; round < 3000; ++round) {
    std::string data;
    for (int r = pick(4) + 1; r > 0; --r) {
      for (int f = pick(150); f >= 0; --f) {
        switch (pick(12)) {
          case 0:
          case 1:
          case 2:
            break;  // empty
          case 3:
          case 4:
            data += text(6, "0123456789.");
            break;
          case 5:
            data += text(70, "wxyz 9");
            break;
          case 6:
            data += '"' + text(8, "Clm 25") + '"';
            break;
          case 7:
            data += '"' + text(70, inQuotes) + '"';
            break;
          case 8:
            data += text(2, " ") + '"' + text(3, "q,") + '"' + text(2, " \t");
            break;
          case 9:
            data += text(2, " \t") + text(3, "ab") + text(2, "\t\"") + text(3, "cd");
            break;
          case 10:
            data += '"' + text(3, "e") + '"' + text(3, "fg");
            break;
          default:
            data += text(3, std::string("h\0\x1a", 3));
            break;
        }
        if (f > 0) data += ',';
      }
      const char* const ends[] = {"\r\n", "\n", "\r", "\r\n  \t\r\n"};
      data += ends[pick(4)];
    }
    if (pick(8) == 0) data += '"' + text(5, inQuotes);  // a quote left open at the end
    if (pick(8) == 0) {
      // The last record without its end, and a comma at the very end of the data.
      while (!data.empty() && std::string_view(" \t\r\n").find(data.back()) != std::string::npos) {
        data.pop_back();
      }
      data += ',';
    }
    const Records expected = readCharByChar(data);
    const RecordTable plain = readRecords(data, kFields, 100);
    // Laid out with room for more columns than the file has, as the card takes it.
    const RecordTable refusing = readRecordsUnlessMore(data, kFields, 100, SpanList(), kFields + 7);
    ASSERT_EQ(plain.recordCount, static_cast<int>(expected.size())) << round;
    ASSERT_EQ(refusing.recordCount, plain.recordCount) << round;
    for (int r = 1; r <= plain.recordCount; ++r) {
      const std::vector<std::string>& fields = expected[static_cast<std::size_t>(r - 1)];
      for (int f = 1; f <= kFields; ++f) {
        const std::string want =
            f <= static_cast<int>(fields.size()) ? fields[static_cast<std::size_t>(f - 1)] : "";
        ASSERT_EQ(plain.field(r, f), want)
            << "round " << round << " record " << r << " field " << f;
        ASSERT_EQ(refusing.field(r, f), want)
            << "round " << round << " record " << r << " field " << f;
      }
    }
    // Fewer fields wanted than most records have: the rest of each record is passed over by
    // the reading that keeps nothing, which must find the same record ends.
    constexpr int kFewer = 40;
    const RecordTable fewer = readRecords(data, kFewer, 100);
    ASSERT_EQ(fewer.recordCount, plain.recordCount) << round;
    for (int r = 1; r <= fewer.recordCount; ++r) {
      for (int f = 1; f <= kFewer; ++f) {
        ASSERT_EQ(fewer.field(r, f), plain.field(r, f))
            << "round " << round << " record " << r << " field " << f;
      }
    }
  }
}

}  // namespace
}  // namespace kestravo
