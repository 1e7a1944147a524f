// Every cell of a card is text. This is the one way the program reads a figure out of a cell,
// rounds a figure to a whole number, and writes a whole number back in the plain form that the
// day counts and point columns use.
#pragma once

#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>

namespace kestravo {

// The decimal number at the front of a cell. Blanks, tabs, CR and LF in front are skipped; then
// the longest part of the form [+-]digits[.digits][e[+-]digits] is read ("5." and ".5" count,
// "." alone does not, an exponent counts only with digits after it). Anything else, including
// hexadecimal, "inf" and "nan", reads 0, and so does a number too large for a long double.
// The result does not depend on the process locale: a card reads the same on every desktop.
long double numericValue(std::string_view text);

namespace detail {
// Whether c is a decimal digit.
constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace detail

// numericValue, with the cells that most figures read (empty, or one or two digits) taken
// where the value is wanted, without a call.
inline long double cellValue(std::string_view text) {
  using detail::isDigit;
  if (text.empty()) return 0.0L;
  if (text.size() == 1 && isDigit(text[0])) return static_cast<long double>(text[0] - '0');
  if (text.size() == 2 && isDigit(text[0]) && isDigit(text[1])) {
    return static_cast<long double>((text[0] - '0') * 10 + (text[1] - '0'));
  }
  return numericValue(text);
}

// The nearest whole number, an exact half going to the even neighbour (2.5 gives 2, 3.5 gives 4).
// Non-finite values give 0; values past the range of long long give its nearer end.
long long roundHalfEven(long double v);
// The same rounding kept as a figure, for whole figures that are compared or shown rather
// than counted with: no value is capped, so a figure past the range of long long keeps its
// size.
long double roundedHalfEven(long double v);

namespace detail {

// The nearest whole number, an exact half going to the even neighbour, by the processor's own
// conversion: the one the C library's llrint makes, without the call. NaN, the infinities and
// anything outside the range of long long give LLONG_MIN. The floating-point unit rounds to
// nearest with ties to even, the mode a program starts in; this program never changes it.
inline long long nearestWhole(long double v) {
#if defined(__x86_64__)
  long long n;
  __asm__("fistpll %0" : "=m"(n) : "t"(v) : "st");
  return n;
#else
  return std::llrint(v);
#endif
}

}  // namespace detail

// A whole number written without a mask: a blank for 0 and up or a minus sign, then the digits
// (7380 gives " 7380", -17 gives "-17").
std::string plainWhole(long long n);

// The same text written into `out`; returns its length.
inline constexpr std::size_t kPlainWholeLength = 20;  // the sign and 19 digits
std::size_t writePlainWhole(long long n, char (&out)[kPlainWholeLength]);

namespace detail {

// The general conversion behind numericValue, for numbers its exact short cut cannot take.
// `number` must be exactly one decimal number as numericValue chooses it (no blanks in front).
long double convertDecimalSlow(std::string_view number);

}  // namespace detail
}  // namespace kestravo
