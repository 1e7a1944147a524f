#include "format/digits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace kestravo::detail {
namespace {

std::string text(const Digits19& d) {
  return std::string(d.digit, 19) + "e" + std::to_string(d.exponent);
}

std::string exact(long double v) {
  Digits19 d{};
  if (!exactDigits19(v, d)) return "outside the exact range";
  return text(d);
}

std::string fromPrintf(long double v) {
  Digits19 d{};
  printfDigits19(v, d);
  return text(d);
}

TEST(Digits19, ExactTiesAtTheTwentiethDigit) {
  const struct {
    long double value;
    const char* expected;
  } rows[] = {
      {12345678901234567895.0L, "1234567890123456790e19"},
      {12345678901234567885.0L, "1234567890123456788e19"},
      {1234567890123456789.5L, "1234567890123456790e18"},
      {1234567890123456788.5L, "1234567890123456788e18"},
      {18446744073709551615.0L, "1844674407370955162e19"},
      {9999999999999999999.5L, "outside the exact range"},  // not a long double: reads 1e19
      {2.675L, "2675000000000000000e0"},
      {12.25L, "1225000000000000000e1"},
      {0.125L, "1250000000000000000e-1"},
      {85, "8500000000000000000e1"},
  };
  for (const auto& row : rows) {
    if (std::string(row.expected) == "outside the exact range") continue;
    EXPECT_EQ(exact(row.value), row.expected);
    EXPECT_EQ(fromPrintf(row.value), row.expected);
  }
}

TEST(Digits19, ExactPathMatchesPrintfOnChosenValues) {
  const long double rows[] = {
      2.675L,
      12.25L,
      0.125L,
      1e-5L,
      123456789.5L,
      0.1L,
      1,
      0.05L,
      4.35L,
      static_cast<long double>(2.675f),
      9223372036854775807.0L,
      9223372036854775808.0L,
      18446744073709551615.0L,
      18446744073709551616.0L,
      1e20L,
      1e38L,
      std::ldexp(1.0L, 100),
      std::ldexp(1.0L, 126),
      std::nextafter(std::ldexp(1.0L, 127), 0.0L),
      std::ldexp(1.0L, -61),
      std::ldexp(1.0L, -60) * 1.5L,
      0.9999999999999999999L,
      99999999999999999995.0L,
      999999999999999999.95L,
  };
  for (const long double v : rows) {
    EXPECT_EQ(exact(v), fromPrintf(v)) << static_cast<double>(v);
  }
}

TEST(Digits19, ExactPathMatchesPrintfOnRandomValues) {
  std::mt19937_64 rng(7380);
  int checked = 0;
  for (int n = 0; n < 300000; ++n) {
    const uint64_t significand = rng() | (uint64_t{1} << 63);
    // Mostly inside the exact range, some outside to see that it refuses them.
    const int exponent = static_cast<int>(rng() % 260) - 200;
    const long double v = std::ldexp(static_cast<long double>(significand), exponent);
    Digits19 d{};
    const bool inRange = exactDigits19(v, d);
    ASSERT_EQ(inRange, exponent >= -124 && exponent <= 63) << exponent;
    if (!inRange) continue;
    ASSERT_EQ(text(d), fromPrintf(v)) << significand << " * 2^" << exponent;
    ++checked;
  }
  EXPECT_GT(checked, 200000);
}

TEST(Digits19, SmallWholeNumbersAndShortFractions) {
  for (int i = 1; i <= 100000; ++i) {
    const long double whole = i;
    const long double quarter = i / 4.0L;
    ASSERT_EQ(exact(whole), fromPrintf(whole)) << i;
    ASSERT_EQ(exact(quarter), fromPrintf(quarter)) << i;
    ASSERT_EQ(exact(i / 100.0L), fromPrintf(i / 100.0L)) << i;
  }
}

// The long way round, as a mask rounds: the C library's 19 digits, then half to even at the
// last place, as a count of that place's units.
std::string unitsFromPrintfDigits(long double v, int decimals) {
  Digits19 d{};
  printfDigits19(v, d);
  const long long keep = d.exponent + 1LL + decimals;
  if (keep < 0) return "0";
  if (keep >= 19) return std::string(d.digit, 19) + std::string(keep - 19, '0');
  std::string kept(d.digit, static_cast<std::size_t>(keep));
  const std::string dropped(d.digit + keep, d.digit + 19);
  const bool tie = dropped.find_first_not_of('0', 1) == std::string::npos && dropped[0] == '5';
  const bool lastOdd = !kept.empty() && (kept.back() - '0') % 2 == 1;
  if (dropped[0] > '5' || (dropped[0] == '5' && (!tie || lastOdd))) {
    int i = static_cast<int>(kept.size()) - 1;
    while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9')
      kept[static_cast<std::size_t>(i--)] = '0';
    if (i < 0) {
      kept.insert(kept.begin(), '1');
    } else {
      ++kept[static_cast<std::size_t>(i)];
    }
  }
  return kept.empty() ? "0" : kept;
}

std::string shortCut(long double v, int decimals) {
  uint64_t units = 0;
  if (!unitsWithoutDigits(v, decimals, units)) return "declined";
  return std::to_string(units);
}

TEST(UnitsWithoutDigits, AnswersOrDeclinesAsTheDigitsWould) {
  const struct {
    long double value;
    int decimals;
    const char* expected;
  } rows[] = {
      {85, 0, "85"},
      {84.5L, 0, "84"},  // exact halves go to the even neighbour
      {85.5L, 0, "86"},
      {12.25L, 1, "122"},
      {12.75L, 1, "128"},
      {12.251L, 1, "123"},
      {0.004L, 2, "0"},
      {0.006L, 2, "1"},
      {0.5L, 0, "0"},
      {99.96L, 1, "1000"},
      {1e-40L, 2, "0"},
      // 2.675 lies a hair below the half in binary, but its 19 digits make it an exact half:
      // only the digits can tell, so the short cut declines.
      {2.675L, 2, "declined"},
      {static_cast<long double>(uint64_t{1} << 59), 0, "declined"},
      {static_cast<long double>(uint64_t{1} << 59) - 1, 0, "576460752303423487"},
      {1e17L, 2, "declined"},
      {1e300L, 0, "declined"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(shortCut(row.value, row.decimals), row.expected)
        << static_cast<double>(row.value) << " to " << row.decimals;
    EXPECT_EQ(unitsFromPrintfDigits(row.value, row.decimals),
              std::string(row.expected) == "declined"
                  ? unitsFromPrintfDigits(row.value, row.decimals)
                  : row.expected);
  }
}

TEST(UnitsWithoutDigits, AgreesWithTheDigitsOnRandomFigures) {
  std::mt19937_64 rng(1546);
  int answered = 0;
  for (int n = 0; n < 200000; ++n) {
    long double v = 0;
    switch (n % 4) {
      case 0:  // any significand, magnitudes from tiny to past the short cut's reach
        v = std::ldexp(static_cast<long double>(rng() | (uint64_t{1} << 63)),
                       static_cast<int>(rng() % 200) - 190);
        break;
      case 1:  // a quotient of whole numbers, as averages and percentages are
        v = static_cast<long double>(rng() % 100000) / static_cast<long double>(rng() % 997 + 1);
        break;
      case 2:  // an exact half at a decimal place, or one of its neighbours
        v = (static_cast<long double>(rng() % 1000000) + 0.5L) / 100;
        if (rng() % 2) v = std::nextafter(v, rng() % 2 ? 1e9L : 0.0L);
        break;
      default:  // a short decimal
        v = static_cast<long double>(rng() % 10000000) / 1000;
        break;
    }
    if (v <= 0) continue;
    const int decimals = static_cast<int>(rng() % 5);
    const std::string fast = shortCut(v, decimals);
    if (fast == "declined") continue;
    ASSERT_EQ(fast, unitsFromPrintfDigits(v, decimals))
        << static_cast<double>(v) << " to " << decimals;
    ++answered;
  }
  // The short cut exists to answer nearly every figure a card holds.
  EXPECT_GT(answered, 150000);
}

// What smallWhole answers, by the plain definition: a whole number below 2^50 in magnitude.
std::string wholeByDefinition(long double v) {
  if (!std::isfinite(v) || std::nearbyint(v) != v || std::fabs(v) >= 0x1p50L) return "no";
  return std::to_string(static_cast<long long>(v));
}

std::string wholeFromBits(long double v) {
  uint64_t magnitude = 0;
  bool negative = false;
  if (!smallWhole(v, magnitude, negative)) return "no";
  return (negative ? "-" : "") + std::to_string(magnitude);
}

TEST(SmallWhole, ReadsWholeFiguresFromTheirBitsAtEveryBound) {
  const long double cases[] = {0.0L,
                               -0.0L,
                               1.0L,
                               -1.0L,
                               0.5L,
                               -0.5L,
                               92.0L,
                               -17.0L,
                               3.0000000000000000001L,
                               0x1p49L,
                               0x1p50L - 1,
                               0x1p50L,
                               -(0x1p50L - 1),
                               0x1p49L + 0.5L,
                               999999999999999.0L,
                               1e300L,
                               std::numeric_limits<long double>::denorm_min(),
                               std::numeric_limits<long double>::infinity(),
                               -std::numeric_limits<long double>::infinity(),
                               std::numeric_limits<long double>::quiet_NaN()};
  for (const long double v : cases) {
    EXPECT_EQ(wholeFromBits(v), wholeByDefinition(v)) << static_cast<double>(v);
  }
}

TEST(SmallWhole, AgreesWithTheDefinitionOnRandomFigures) {
  std::mt19937_64 rng(2026);
  for (int n = 0; n < 100000; ++n) {
    long double v = static_cast<long double>(static_cast<int64_t>(rng() % 4000000) - 2000000);
    if (n % 3 == 1) v /= static_cast<long double>(rng() % 8 + 1);     // some whole, most not
    if (n % 3 == 2) v = std::ldexp(v, static_cast<int>(rng() % 60));  // up to far past 2^50
    ASSERT_EQ(wholeFromBits(v), wholeByDefinition(v)) << static_cast<double>(v);
  }
}

}  // namespace
}  // namespace kestravo::detail
