#include "support/hostile_cards.h"

#include <random>

#include "support/card_builder.h"

namespace kestravo::testing {

namespace {

std::string twoEntries(std::string_view horse = "PLAIN HORSE") {
  return CardBuilder().entry(1, 1, horse).set(44, "2.5").entry(1, 2, "SECOND").text();
}

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) {
    text.replace(at, from.size(), to);
  }
  return text;
}

std::string randomBytes(std::size_t size, bool withNuls) {
  std::mt19937 rng(20261208);
  std::string text(size, '\0');
  for (char& c : text) {
    c = static_cast<char>(rng() & 0xff);
    if (!withNuls && c == '\0') c = ',';
  }
  return text;
}

std::string raceNumbered(std::string_view race) {
  return CardBuilder().entry(1, 1, "IN RACE ONE").set(3, race).entry(2, 1, "IN RACE TWO").text();
}

std::string utf16(const std::string& ascii) {
  std::string out = "\xff\xfe";
  for (char c : ascii) {
    out += c;
    out += '\0';
  }
  return out;
}

}  // namespace

std::vector<HostileCard> hostileCards() {
  const std::string plain = twoEntries();
  std::vector<HostileCard> cards = {
      {"line feeds only", "LFONLY1.DRF", replaceAll(plain, "\r\n", "\n"), false, 2},
      {"lone carriage returns", "CRONLY1.DRF", replaceAll(plain, "\r\n", "\r"), false, 2},
      {"blank lines at the end and in the middle", "BLANKS1.DRF",
       replaceAll(plain, "\r\n", "\r\n \t\r\n\r\n"), false, 2},
      {"too few fields", "SHORTRC.DRF", "\"1\",\"2\",\"1\",\"1\"\r\n" + plain, false, 3},
      {"too many fields", "LONGREC.DRF",
       replaceAll(plain, "\r\n", std::string(3000, ',') + "\"x\"\r\n"), false, 2},
      {"Ctrl-Z in the middle", "CTRLZ01.DRF",
       CardBuilder().entry(1, 1).text() + "\x1a" + CardBuilder().entry(1, 2).text(), false, 1},
      {"an unterminated quote", "OPENQT1.DRF", plain + "\"1\",\"2\",\"1\",\"3\",\"never closed",
       false, 3},
      {"a quoted field holding CR LF", "CRLFIN1.DRF", twoEntries("TWO\r\nLINES"), false, 2},
      {"a 0-byte file", "EMPTY01.DRF", "", false, 0},
      {"commas only", "COMMAS1.DRF", std::string(5000, ',') + "\r\n" + std::string(70, ','), false,
       2},
      {"random bytes", "RANDOM1.DRF", randomBytes(200000, false), false, -1},
      {"NUL bytes", "NULLS01.DRF", std::string(4000, '\0') + plain + std::string(10, '\0'), false,
       -1},
      {"random bytes with NULs", "RNDNUL1.DRF", randomBytes(100000, true), false, -1},
      {"a UTF-8 byte-order mark", "BOM0001.DRF", "\xef\xbb\xbf" + plain, false, 2},
      {"UTF-16", "UTF1601.DRF", utf16(plain), false, -1},
      {"accented names in UTF-8", "UTF8NM1.DRF", twoEntries("Caf\xc3\xa9 Ni\xc3\xb1o"), false, 2},
      {"accented names in Latin-1", "LATIN11.DRF", twoEntries("Caf\xe9 Ni\xf1o"), false, 2},
      {"one 5 MB field", "HUGEFLD.DRF", twoEntries(std::string(5u << 20, 'W')), false, 2},
      {"race number 0", "RACE000.DRF", raceNumbered("0"), false, 2},
      {"race number -1", "RACENEG.DRF", raceNumbered("-1"), false, 2},
      {"race number 100", "RACE100.DRF", raceNumbered("100"), false, 2},
      {"race number 1e300", "RACEBIG.DRF", raceNumbered("1e300"), false, 2},
      {"race number abc", "RACEABC.DRF", raceNumbered("abc"), false, 2},
      {"a numeric field 1e99999", "HUGENUM.DRF",
       CardBuilder().entry(1, 1).set(846, "1e99999").set(44, "1e99999").set(6, "1e99999").text(),
       false, 1},
      {"20,000 tiny records", "MANYREC.DRF",
       [] {
         std::string text;
         for (int i = 0; i < 20000; ++i) text += "\"1\",\"1\"\r\n";
         return text;
       }(),
       true, 0},
      {"a 3-character stem", "ABC.DRF", plain, false, 2},
      {"a 12-character stem", "ABCDEFGHIJKL.DRF", plain, false, 2},
      {"blanks and non-ASCII letters in the name", "My Card \xc3\xa9t\xc3\xa9.drf", plain, false,
       2},
      {"a folder separator in the last 11 characters", "sub/ab.drf", plain, false, 2},
  };
  return cards;
}

}  // namespace kestravo::testing
