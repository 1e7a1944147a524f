#include "format/mask.h"

#include <gtest/gtest.h>

#include <limits>

#include <clocale>
#include <cmath>
#include <random>
#include <string>

#include "format/numeric.h"

namespace kestravo {
namespace {

struct NumberRow {
  const char* mask;
  long double value;
  const char* expected;
};

void expectRows(std::initializer_list<NumberRow> rows) {
  for (const NumberRow& row : rows) {
    EXPECT_EQ(Format(row.mask, row.value), row.expected)
        << "mask \"" << row.mask << "\" value " << static_cast<double>(row.value);
  }
}

TEST(Format, RightAlignsWholeFigures) {
  expectRows({
      {"###", 0, "  0"},
      {"#", 7, "7"},
      {"###", 85, " 85"},
      {"#######", 85, "     85"},
      {"###", 84.4L, " 84"},
      {"###", 84.6L, " 85"},
      {"####", 1500, "1500"},
      {"##", 7.0f, " 7"},
  });
}

TEST(Format, HalfEvenAtEveryDecimal) {
  expectRows({
      // Exact binary ties.
      {"###", 0.5L, "  0"},
      {"###", 1.5L, "  2"},
      {"###", 2.5L, "  2"},
      {"###", 84.5L, " 84"},
      {"###", 85.5L, " 86"},
      {"###", -2.5L, " -2"},
      {"##.#", 12.25L, "12.2"},
      {"##.#", 12.75L, "12.8"},
      {"##.#", 12.251L, "12.3"},
      {"##.#", 0.25L, " 0.2"},
      {"##.#", 0.75L, " 0.8"},
      {"##.#", -0.25L, "-0.2"},
      {"##.##", 0.125L, " 0.12"},
      {"##.##", 0.375L, " 0.38"},
      {"##.##", 8.125L, " 8.12"},
      {"##.##", 2, " 2.00"},
      {"##.#", 0.5L, " 0.5"},
  });
}

TEST(Format, RoundsFromNineteenDigitsNotFromTheBinaryValue) {
  expectRows({
      // Just below the half in binary, a tie at 19 digits, so the kept digit decides.
      {"##.##", 2.675L, " 2.68"},
      {"##.##", 1.005L, " 1.00"},
      {"##.##", 1.015L, " 1.02"},
      {"##.#", 4.35L, " 4.4"},
      {"##.#", 12.45L, "12.4"},
      // Just above the half in binary, a tie at 19 digits.
      {"##.#", 0.05L, " 0.0"},
      {"##.#", 0.15L, " 0.2"},
      {"##.#", 12.55L, "12.6"},
      // The derivations' single-precision constants, widened, are not ties at all.
      {"##.##", static_cast<long double>(2.675f), " 2.67"},
      {"##.##", static_cast<long double>(1.015f), " 1.01"},
      {"##.#", static_cast<long double>(0.05f), " 0.1"},
      {"##.#", static_cast<long double>(12.45f), "12.4"},
  });
}

// Plain masks take a layout of their own; a literal after the field sends the same mask
// through the general one. Both must lay out every figure alike, digit for digit.
TEST(Format, PlainMasksLayOutAsTheGeneralLayout) {
  std::mt19937_64 rng(1729);
  for (int n = 0; n < 200000; ++n) {
    const std::string mask = std::string(rng() % 8 + (n % 5 == 0 ? 0 : 1), '#') +
                             (n % 3 == 0 ? "" : "." + std::string(rng() % 5, '#'));
    if (mask.empty() || mask == ".") continue;
    long double v = 0;
    switch (n % 4) {
      case 0:  // whole figures of every size, either sign
        v = static_cast<long double>(static_cast<std::int64_t>(rng() >> (rng() % 64)));
        break;
      case 1:  // quotients, as averages and percentages are
        v = static_cast<long double>(rng() % 200000) / static_cast<long double>(rng() % 997 + 1);
        break;
      case 2:  // halves at a decimal place
        v = (static_cast<long double>(rng() % 100000) + 0.5L) / 100;
        break;
      default:  // anything from tiny to huge
        v = std::ldexp(static_cast<long double>(rng()), static_cast<int>(rng() % 160) - 120);
        break;
    }
    if (rng() % 2) v = -v;
    ASSERT_EQ(Format(mask, v) + "_", Format(mask + "_", v))
        << "mask \"" << mask << "\" value " << static_cast<double>(v);
  }
}

TEST(Format, NegativesAndZero) {
  expectRows({
      {"##", -3, "-3"},
      {"###", -0.4L, " -0"},
      {"##.#", -0.04L, "-0.0"},
      {"###", -0.0L, "  0"},
      {"##.#", -0.5L, "-0.5"},
      {"####.#", -12.34L, " -12.3"},
      {"###", HUGE_VALL, "  0"},
      {"###", -HUGE_VALL, "  0"},
      {"##.#", std::nanl(""), " 0.0"},
      {"###", 0.4L, "  0"},
      {"##.##", 0.004L, " 0.00"},
      {"##.##", 1e-30L, " 0.00"},
  });
}

// Masks past the widest or the most decimals that a stored figure is laid with in one piece
// still lay out in full; the short whole figures laid fastest stop at four digits.
TEST(Format, MasksAtTheEdgesOfTheQuickLayouts) {
  const std::string wide(25, '#');
  EXPECT_EQ(Format(wide, 85), std::string(23, ' ') + "85");
  EXPECT_EQ(Format(std::string(24, '#'), -85), std::string(21, ' ') + "-85");
  EXPECT_EQ(Format("#." + std::string(19, '#'), 0.5L), "0.5000000000000000000");
  EXPECT_EQ(Format("#." + std::string(18, '#'), 0.5L), "0.500000000000000000");
  expectRows({
      {"###", 9999, "9999"},
      {"###", 10000, "10000"},
      {"########", 9999, "    9999"},
      {"#########", 9999, "     9999"},
      {"##", 100, "100"},
      {"#", 10, "10"},
      {"###", -0.0L, "  0"},
      {"###", -7, " -7"},
  });
}

TEST(Format, GrowsToTheLeftWhenDigitsDoNotFit) {
  expectRows({
      {"##", -13, "-13"},
      {"##", 1234, "1234"},
      {"##.#", 99.96L, "100.0"},
      {"#.#", 9.96L, "10.0"},
      {"##.#", -1234.5L, "-1234.5"},
      {"###", 1e25L, "10000000000000000000000000"},
      {"###", 1e30L, "1000000000000000000000000000000"},
      {"###", 12345678901234567895.0L, "12345678901234567900"},
      {"###", 1e40L, "10000000000000000000000000000000000000000"},
      {".##", 2.5L, "2.50"},
      {".##", 0.5L, ".50"},
  });
}

TEST(Format, GroupsWholeDigitsInThrees) {
  expectRows({
      {"##,###,###", 1234567, " 1,234,567"},
      {"##,###,###", 0, "         0"},
      {"##,###,###", 999, "       999"},
      {"##,###,###", 1000, "     1,000"},
      {"##,###,###", 12345.6L, "    12,346"},
      {"##,###,###", -1234567, "-1,234,567"},
      {"##,###,###", 1234567890, "1,234,567,890"},
  });
}

TEST(Format, CopiesLiteralsAroundTheField) {
  expectRows({
      {"###%", 7, "  7%"},
      {"###%", 100, "100%"},
      {"   ###", 85, "    85"},
      {"             ###", 7, "               7"},
      {"                  ##.##", 2, "                   2.00"},
      {"_####", 5, "#  5"},
      {"##_#", 5, " 5#"},
      {"##_", 5, " 5_"},
      {"##%_", 5, " 5%_"},
      {"W ###.#", 12.25L, "W  12.2"},
      {"\\ x\\##", 5, "\\ x\\ 5"},
      {"", 5, ""},
      {"odds", 5, "odds"},
  });
}

TEST(Format, LaysNamesIntoTheTextField) {
  const struct {
    const char* mask;
    const char* text;
    const char* expected;
  } rows[] = {
      {"\\          \\", "SILVERCHASE", "SILVERCHASE "},
      {"\\          \\", "MIDNIGHTREGENT", "MIDNIGHTREGE"},
      {"\\\\", "", "  "},
      {"\\\\", "QR", "QR"},
      {"\\\\", "QRS", "QR"},
      {"\\                                \\", "ALLOWANCE", "ALLOWANCE                         "},
      {" \\  \\%", "AB", " AB  %"},
      {"_\\\\  \\", "AB", "\\AB  "},
      {"\\ x\\", "AB", "\\ x\\"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Format(row.mask, std::string_view(row.text)), row.expected) << row.mask;
  }
}

TEST(Format, FigureInTextFieldUsesItsPlainForm) {
  expectRows({
      {"\\    \\", 7, " 7    "},
      {"\\    \\", 2.5L, " 2.5  "},
      {"\\\\", -17, "-1"},
      {"\\     \\", -0.125L, "-0.125 "},
      {"\\    \\", 0, " 0    "},
      {"\\          \\", 1e10L, " 10000000000"},
      {"\\    \\", 1e-3L, " 0.001"},
  });
}

// The plain form alone is never cut: a workout of an absurd distance still shows its number.
TEST(Format, PlainNumberIsWhole) {
  EXPECT_EQ(plainNumber(4), " 4");
  EXPECT_EQ(plainNumber(3.5L), " 3.5");
  EXPECT_EQ(plainNumber(-1320.0L / 220), "-6");
  EXPECT_EQ(plainNumber(1e40L), " 10000000000000000000000000000000000000000");
  EXPECT_EQ(plainNumber(1e-10L), " 0.0000000001");
  EXPECT_EQ(plainNumber(std::numeric_limits<long double>::quiet_NaN()), " 0");
}

TEST(Format, TextInNumericFieldFormatsItsValue) {
  EXPECT_EQ(Format("###", std::string_view("  85.25")), " 85");
  EXPECT_EQ(Format("##.#", std::string_view("12.25")), "12.2");
  EXPECT_EQ(Format("##.##", std::string_view("2.675")), " 2.68");
  EXPECT_EQ(Format("###", std::string_view("abc")), "  0");
  EXPECT_EQ(Format("###", std::string_view("")), "  0");
  EXPECT_EQ(Format("###", std::string_view("-0.4")), " -0");
  EXPECT_EQ(Format("odds", std::string_view("85")), "odds");
}

TEST(Format, DescribesTheMaskWidths) {
  using Field = MaskShape::Field;
  const struct {
    const char* mask;
    Field field;
    std::size_t leading, width, trailing;
  } rows[] = {
      {"###", Field::kNumber, 0, 3, 0},
      {"##,###,###", Field::kNumber, 0, 10, 0},
      {"                  ##.##", Field::kNumber, 18, 5, 0},
      {"###%", Field::kNumber, 0, 3, 1},
      {"_###", Field::kNumber, 1, 2, 0},
      {"\\          \\", Field::kText, 0, 12, 0},
      {"\\\\", Field::kText, 0, 2, 0},
      {"odds", Field::kNone, 4, 0, 0},
  };
  for (const auto& row : rows) {
    const MaskShape shape = describeMask(row.mask);
    EXPECT_EQ(shape.field, row.field) << row.mask;
    EXPECT_EQ(shape.leadingWidth, row.leading) << row.mask;
    EXPECT_EQ(shape.fieldWidth, row.width) << row.mask;
    EXPECT_EQ(shape.trailingWidth, row.trailing) << row.mask;
  }
}

// The GUI runs in the user's locale; a "," radix there must not leak into cells or screens.
TEST(Format, IgnoresTheProcessLocale) {
  const char* candidates[] = {"de_DE.UTF-8", "de_DE.utf8",  "de_DE",
                              "fr_FR.UTF-8", "fr_FR.utf8",  "nl_NL.UTF-8",
                              "it_IT.UTF-8", "es_ES.UTF-8", "ru_RU.UTF-8"};
  bool commaLocale = false;
  for (const char* name : candidates) {
    if (std::setlocale(LC_ALL, name) != nullptr &&
        std::string(localeconv()->decimal_point) == ",") {
      commaLocale = true;
      break;
    }
  }
  if (!commaLocale) {
    std::setlocale(LC_ALL, "C");
    GTEST_SKIP() << "no locale with a comma radix is installed";
  }
  EXPECT_EQ(numericValue("2.5"), 2.5L);
  EXPECT_EQ(numericValue("2.5000000000000000000000001"), 2.5L);  // the general conversion
  EXPECT_EQ(numericValue("2,5"), 2.0L);
  EXPECT_EQ(Format("##.#", 2.5L), " 2.5");
  EXPECT_EQ(Format("###", 1e40L), "10000000000000000000000000000000000000000");
  EXPECT_EQ(Format("##.##", 1e-30L), " 0.00");
  const std::string wideName = "\\" + std::string(26, ' ') + "\\";
  EXPECT_EQ(Format(wideName, 1e-25L), " 0." + std::string(24, '0') + "1");
  std::setlocale(LC_ALL, "C");
}

}  // namespace
}  // namespace kestravo
