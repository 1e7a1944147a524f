// The 19-significant-digit decimal form of an extended-precision figure, correctly rounded from
// its exact binary value. Every masked figure is rounded from these digits, so a figure shows
// the same on every screen and on every desktop, whatever the process locale.
#pragma once

#include <cstdint>
#include <cstring>

namespace kestravo::detail {

// value = d0.d1d2...d18 x 10^exponent, with digit[0] never '0'.
struct Digits19 {
  char digit[19];
  int exponent;
};

// Exact conversion by integer arithmetic on the binary significand, for magnitudes from about
// 4e-19 up to 1.7e38. Outside that range it returns false and `out` holds nothing useful.
// Precondition: v is finite and greater than 0.
bool exactDigits19(long double v, Digits19& out);

// The same digits taken from the C library's "%.18Le"; slow, but it covers every magnitude.
// Precondition: v is finite and greater than 0.
void printfDigits19(long double v, Digits19& out);

// The exact conversion where it applies, the C library elsewhere.
// Precondition: v is finite and greater than 0.
Digits19 digits19(long double v);

// v rounded to `decimals` places as a count of units of the last place, taken straight from the
// binary value, for a figure below 2^59 such units whose remainder is not within a hair of one
// half: there the two roundings (to 19 digits, then to the places) give the same count, as the
// definition explains. Returns false, with `units` meaningless, where only the digits can tell.
// Precondition: v is finite and greater than 0.
bool unitsWithoutDigits(long double v, int decimals, std::uint64_t& units);

// The parts of an extended-precision value as the x86 format stores them: the 64-bit
// significand with its integer bit explicit, the exponent biased by kExponentBias, the sign.
// Read straight from the bits: the library's frexpl costs more than a whole conversion.
struct ExtendedParts {
  std::uint64_t significand;
  int biasedExponent;
  bool negative;
};
inline constexpr int kExponentBias = 16383;

inline ExtendedParts extendedParts(long double v) {
  std::uint64_t significand = 0;
  std::uint16_t signAndExponent = 0;
  std::memcpy(&significand, &v, sizeof significand);
  std::memcpy(&signAndExponent, reinterpret_cast<const unsigned char*>(&v) + 8, 2);
  return {significand, signAndExponent & 0x7fff, (signAndExponent >> 15) != 0};
}

// Whether v is a whole number below 2^50 in magnitude, told from its bits alone: then
// `magnitude` holds |v| and `negative` its sign (false for either zero). Most stored figures are
// whole, and a figure handed over in memory is read here without a round trip through the
// floating-point unit. Anything else, denormal or not a number alike, answers false.
inline bool smallWhole(long double v, std::uint64_t& magnitude, bool& negative) {
  const auto [significand, biased, sign] = extendedParts(v);
  if (significand == 0) {
    magnitude = 0;
    negative = false;
    return biased == 0;
  }
  constexpr int kMostExponent = 49;
  const int exponent = biased - kExponentBias;  // v = significand * 2^(exponent - 63)
  if ((significand >> 63) == 0 || exponent < 0 || exponent > kMostExponent) return false;
  if ((significand << (exponent + 1)) != 0) return false;  // bits below the unit
  magnitude = significand >> (63 - exponent);
  negative = sign;
  return true;
}

}  // namespace kestravo::detail
