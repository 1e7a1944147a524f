#include "format/numeric.h"

#include <locale.h>

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace kestravo {
namespace {

using detail::isDigit;

static_assert(std::numeric_limits<long double>::digits == 64,
              "figures are computed in x86 extended precision");

// 10^27 = 2^27 * 5^27 and 5^27 < 2^64, so every power up to 10^27 is exact in a long double;
// with an exact significand one multiply or divide then rounds exactly once, as strtold does.
constexpr int kMaxExactPower = 27;

struct PowerTable {
  long double value[kMaxExactPower + 1];
};

constexpr PowerTable makePowers() {
  PowerTable t{};
  long double p = 1;
  for (int i = 0; i <= kMaxExactPower; ++i) {
    t.value[i] = p;
    p *= 10;
  }
  return t;
}

constexpr PowerTable kPowers = makePowers();

constexpr int kMaxExactDigits = 19;  // any 19-digit significand fits a uint64

bool isSkippedInFront(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The GUI switches to the user's locale, where strtold may take "," as the point; cells always
// use ".", so conversions run in the C locale.
locale_t cLocale() {
  static const locale_t loc = newlocale(LC_ALL_MASK, "C", locale_t{});
  return loc;
}

}  // namespace

namespace detail {

long double convertDecimalSlow(std::string_view number) {
  char small[96];
  std::string large;
  const char* text = small;
  if (number.size() < sizeof small) {
    number.copy(small, number.size());
    small[number.size()] = '\0';
  } else {
    large.assign(number);
    text = large.c_str();
  }
  const long double v = strtold_l(text, nullptr, cLocale());
  return std::isinf(v) ? 0.0L : v;
}

}  // namespace detail

long double numericValue(std::string_view text) {
  // Most cells are empty or a short plain number, often with blanks in front ("  85", "-3.5",
  // " 12.25"). With at most 18 digits they make an exact whole number, and one division by an
  // exact power of ten rounds once: the value the general reading below gives.
  {
    constexpr long kMostShortDigits = kMaxExactDigits - 1;
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p != end && *p == ' ') ++p;
    if (p == end) return 0.0L;
    const bool negative = *p == '-';
    if (negative) ++p;
    uint64_t digits = 0;
    const char* const whole = p;
    while (p != end && isDigit(*p)) digits = digits * 10 + static_cast<uint64_t>(*p++ - '0');
    long count = p - whole;
    long fraction = 0;
    if (p != end && *p == '.') {
      const char* const decimals = ++p;
      while (p != end && isDigit(*p)) digits = digits * 10 + static_cast<uint64_t>(*p++ - '0');
      fraction = p - decimals;
      count += fraction;
    }
    if (p == end && count > 0 && count <= kMostShortDigits) {
      // Below 10^18 the digits fit a signed word, which converts in one step.
      const long double m = static_cast<long double>(static_cast<int64_t>(digits));
      const long double v = fraction == 0 ? m : m / kPowers.value[fraction];
      return negative ? -v : v;
    }
  }
  const size_t n = text.size();
  size_t i = 0;
  while (i < n && isSkippedInFront(text[i])) ++i;
  const size_t start = i;

  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }

  uint64_t significand = 0;
  long significantDigits = 0;  // leading zeros are not counted
  long digitCount = 0;
  long fractionDigits = 0;
  auto take = [&](char c) {
    ++digitCount;
    if (significantDigits == 0 && c == '0') return;
    if (++significantDigits <= kMaxExactDigits) significand = significand * 10 + (c - '0');
  };
  for (; i < n && isDigit(text[i]); ++i) take(text[i]);
  if (i < n && text[i] == '.') {
    for (++i; i < n && isDigit(text[i]); ++i) {
      take(text[i]);
      ++fractionDigits;
    }
  }
  if (digitCount == 0) return 0.0L;

  size_t end = i;
  long exponent = 0;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    bool exponentNegative = false;
    if (j < n && (text[j] == '+' || text[j] == '-')) {
      exponentNegative = text[j] == '-';
      ++j;
    }
    if (j < n && isDigit(text[j])) {
      // Saturating keeps the arithmetic sane; such exponents go to the slow path anyway.
      for (; j < n && isDigit(text[j]); ++j) {
        if (exponent < 1000000) exponent = exponent * 10 + (text[j] - '0');
      }
      if (exponentNegative) exponent = -exponent;
      end = j;
    }
  }

  if (significantDigits == 0) return negative ? -0.0L : 0.0L;
  if (significantDigits <= kMaxExactDigits) {
    const long scale = exponent - fractionDigits;
    if (scale >= -kMaxExactPower && scale <= kMaxExactPower) {
      const long double m = static_cast<long double>(significand);
      const long double v = scale < 0 ? m / kPowers.value[-scale] : m * kPowers.value[scale];
      return negative ? -v : v;
    }
  }
  return detail::convertDecimalSlow(text.substr(start, end - start));
}

long long roundHalfEven(long double v) {
  if (!std::isfinite(v)) return 0;
  constexpr long double kTwoTo63 = 9223372036854775808.0L;
  if (v >= kTwoTo63 - 0.5L) return LLONG_MAX;
  if (v < -kTwoTo63) return LLONG_MIN;
  return detail::nearestWhole(v);
}

long double roundedHalfEven(long double v) {
  if (!std::isfinite(v)) return 0;
  // The floating-point unit's own mode rounds to nearest, ties to even. Below 2^62 the
  // processor's conversion to a whole number does it without the library's call, and the
  // whole number goes back into a long double exactly; the rare larger figure (whole from
  // 2^63 on) takes the library's rounding, which cannot overflow. A negative figure that
  // rounds to nothing is plain 0.
  constexpr long double kTwoTo62 = 4611686018427387904.0L;
  if (v >= kTwoTo62 || v <= -kTwoTo62) {
    const long double r = std::nearbyint(v);
    return r == 0 ? 0.0L : r;
  }
  return static_cast<long double>(detail::nearestWhole(v));
}

std::size_t writePlainWhole(long long n, char (&out)[kPlainWholeLength]) {
  char* first = out;
  if (n >= 0) *first++ = ' ';
  const auto [last, ec] = std::to_chars(first, out + kPlainWholeLength, n);
  (void)ec;  // the sign and 19 digits hold every long long
  return static_cast<std::size_t>(last - out);
}

std::string plainWhole(long long n) {
  char text[kPlainWholeLength];
  return std::string(text, writePlainWhole(n, text));
}

}  // namespace kestravo
