#include "format/digits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
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

}  // namespace
}  // namespace kestravo::detail
