#include "format/numeric.h"

#include <gtest/gtest.h>
#include <locale.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace kestravo {
namespace {

long double referenceValue(const std::string& number) {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
  return strtold_l(number.c_str(), nullptr, c);
}

TEST(NumericValue, ReadsTheLeadingNumber) {
  const struct {
    const char* text;
    long double expected;
  } rows[] = {
      {"12.5", 12.5L},
      {"  12.5  ", 12.5L},
      {"\t\r\n12.5", 12.5L},
      {"12abc", 12},
      {"", 0},
      {"abc", 0},
      {"   ", 0},
      {"-3", -3},
      {"+4", 4},
      {"5.", 5},
      {".5", 0.5L},
      {"-.5", -0.5L},
      {".", 0},
      {"-", 0},
      {"+.", 0},
      {"1e", 1},
      {"1e+", 1},
      {"1e-", 1},
      {"1e3", 1000},
      {"1E3", 1000},
      {"2.5e-1", 0.25L},
      {"0x1A", 0},
      {"inf", 0},
      {"-inf", 0},
      {"nan", 0},
      {"1e5000", 0},
      {"-1e5000", 0},
      {"1,5", 1},
      {"- 5", 0},
      {"12 34", 12},
      {"\v5", 0},
      {"007", 7},
      {"1.2.3", 1.2L},
      {"0.1", 0.1L},
      {"85.25", 85.25L},
      {"2.675", 2.675L},
      {"1e-5000", 0},
      {"99999999999999999999", 99999999999999999999.0L},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(numericValue(row.text), row.expected) << '"' << row.text << '"';
  }
}

TEST(NumericValue, OnlyOverflowReadsZero) {
  // Below the normal range strtold still gives a nonzero figure; only overflow reads 0.
  EXPECT_GT(numericValue("1e-4940"), 0.0L);
  EXPECT_EQ(numericValue("1e-4940"), referenceValue("1e-4940"));
  EXPECT_EQ(numericValue("1.18973149535723176502e+4932"), LDBL_MAX);
  EXPECT_EQ(numericValue("1.2e4932"), 0.0L);
  EXPECT_EQ(numericValue("-1.2e4932"), 0.0L);
  EXPECT_TRUE(std::signbit(numericValue("-0")));
}

TEST(NumericValue, ShortCutAgreesWithFullConversion) {
  const char* rows[] = {
      "9999999999999999999",
      "9999999999999999999e27",
      "9999999999999999999e-27",
      "1e-27",
      "1e27",
      "18446744073709551615",
      "9223372036854775809",
      "9223372036854775809e1",
      "9223372036854775809e-1",
      "0.000000000000000000001",
      "123456789.5",
      "4.35",
      "1.15",
      "0.3",
      "3.4028236692093846346e38",
      "1234567890123456789e-30",
      "00000000000000000000001.5",
      "1.00000000000000000000005",
      "36893488147419103233",
      "-7.0e-20",
      "5e-324",
  };
  for (const char* text : rows) {
    EXPECT_EQ(numericValue(text), referenceValue(text)) << text;
    EXPECT_EQ(numericValue(text), detail::convertDecimalSlow(text)) << text;
  }

  std::mt19937_64 rng(20240611);
  for (int n = 0; n < 200000; ++n) {
    std::string text = rng() % 4 == 0 ? "-" : "";
    const int digits = 1 + static_cast<int>(rng() % 23);
    const int point = static_cast<int>(rng() % (digits + 2));
    for (int i = 0; i < digits; ++i) {
      if (i == point) text += '.';
      text += static_cast<char>('0' + rng() % 10);
    }
    if (rng() % 2 == 0) {
      text += 'e';
      text += std::to_string(static_cast<int>(rng() % 81) - 40);
    }
    ASSERT_EQ(numericValue(text), referenceValue(text)) << text;
    ASSERT_EQ(numericValue(text), detail::convertDecimalSlow(text)) << text;
    // Cells often hold figures laid out with blanks in front.
    const std::string padded = std::string(1 + rng() % 3, ' ') + text;
    ASSERT_EQ(numericValue(padded), referenceValue(padded)) << padded;
  }
}

// Every text of one or two characters that a cell could hold reads as numericValue reads it,
// down to the sign of a zero.
TEST(CellValue, AgreesWithNumericValueOnEveryShortText) {
  const std::string alphabet = "0123456789 .-+eE\tx";
  std::vector<std::string> texts = {""};
  for (char a : alphabet) {
    texts.emplace_back(1, a);
    for (char b : alphabet) texts.push_back(std::string{a, b});
  }
  for (const std::string& text : texts) {
    const long double expected = numericValue(text);
    EXPECT_EQ(cellValue(text), expected) << "[" << text << "]";
    EXPECT_EQ(std::signbit(cellValue(text)), std::signbit(expected)) << "[" << text << "]";
  }
}

TEST(RoundHalfEven, GoesToTheEvenNeighbourOnHalves) {
  const struct {
    long double value;
    long long expected;
  } rows[] = {
      {2.5L, 2},
      {3.5L, 4},
      {-2.5L, -2},
      {-3.5L, -4},
      {0.5L, 0},
      {-0.5L, 0},
      {1.5L, 2},
      {2.4999L, 2},
      {2.5000001L, 3},
      {-2.5000001L, -3},
      {7, 7},
      {-0.0L, 0},
      {std::nextafter(0.5L, 0.0L), 0},
      {static_cast<long double>(2.5f), 2},
      {9007199254740993.5L, 9007199254740994},
      {HUGE_VALL, 0},
      {-HUGE_VALL, 0},
      {std::nanl(""), 0},
      {1e30L, LLONG_MAX},
      {-1e30L, LLONG_MIN},
      {9223372036854775807.5L, LLONG_MAX},
      {-9223372036854775808.0L, LLONG_MIN},
      {-9223372036854775807.5L, LLONG_MIN},
      {9223372036854775806.5L, 9223372036854775806},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(roundHalfEven(row.value), row.expected) << static_cast<double>(row.value);
  }
}

TEST(RoundedHalfEven, RoundsLikeTheCounterButCapsNothing) {
  const struct {
    long double value;
    long double expected;
  } rows[] = {
      {2.5L, 2},
      {3.5L, 4},
      {-2.5L, -2},
      {-0.4L, 0},
      {7, 7},
      {HUGE_VALL, 0},
      {std::nanl(""), 0},
      {1e30L, 1e30L},
      {-1e30L, -1e30L},
      {9223372036854775807.5L, 9223372036854775808.0L},
      // Either side of 2^62, where the processor's rounding hands over to the library's.
      {4611686018427387903.5L, 4611686018427387904.0L},
      {4611686018427387902.5L, 4611686018427387902.0L},
      {4611686018427387904.5L, 4611686018427387904.0L},
      {4611686018427387905.5L, 4611686018427387906.0L},
      {-4611686018427387904.5L, -4611686018427387904.0L},
      {-4611686018427387903.5L, -4611686018427387904.0L},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(roundedHalfEven(row.value), row.expected) << static_cast<double>(row.value);
    EXPECT_FALSE(std::signbit(roundedHalfEven(row.value)) && row.expected == 0);
  }
}

TEST(PlainWhole, BlankOrMinusThenDigits) {
  EXPECT_EQ(plainWhole(7380), " 7380");
  EXPECT_EQ(plainWhole(0), " 0");
  EXPECT_EQ(plainWhole(-17), "-17");
  EXPECT_EQ(plainWhole(LLONG_MAX), " 9223372036854775807");
  EXPECT_EQ(plainWhole(LLONG_MIN), "-9223372036854775808");
}

}  // namespace
}  // namespace kestravo
