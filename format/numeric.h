// Every cell of a card is text. This is the one way the program reads a figure out of a cell,
// rounds a figure to a whole number, and writes a whole number back in the plain form that the
// day counts and point columns use.
#pragma once

#include <string>
#include <string_view>

namespace kestravo {

// The decimal number at the front of a cell. Blanks, tabs, CR and LF in front are skipped; then
// the longest part of the form [+-]digits[.digits][e[+-]digits] is read ("5." and ".5" count,
// "." alone does not, an exponent counts only with digits after it). Anything else, including
// hexadecimal, "inf" and "nan", reads 0, and so does a number too large for a long double.
// The result does not depend on the process locale: a card reads the same on every desktop.
long double numericValue(std::string_view text);

// The nearest whole number, an exact half going to the even neighbour (2.5 gives 2, 3.5 gives 4).
// Non-finite values give 0; values past the range of long long give its nearer end.
long long roundHalfEven(long double v);

// A whole number written without a mask: a blank for 0 and up or a minus sign, then the digits
// (7380 gives " 7380", -17 gives "-17").
std::string plainWhole(long long n);

namespace detail {

// The general conversion behind numericValue, for numbers its exact short cut cannot take.
// `number` must be exactly one decimal number as numericValue chooses it (no blanks in front).
long double convertDecimalSlow(std::string_view number);

}  // namespace detail
}  // namespace kestravo
