#include "format/digits.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>

namespace kestravo::detail {
namespace {

static_assert(std::numeric_limits<long double>::digits == 64 && sizeof(long double) >= 10,
              "figures are computed in x86 extended precision");

__extension__ typedef unsigned __int128 u128;

constexpr uint64_t kTenTo19 = 10000000000000000000ull;

constexpr auto kPowersOfTen = [] {
  std::array<uint64_t, 19> p{};
  uint64_t power = 1;
  for (uint64_t& entry : p) {
    entry = power;
    power *= 10;
  }
  return p;
}();

// Writes x in decimal, no leading zeros (nothing for 0); returns the digit count (at most 39).
int writeWhole(u128 x, char* out) {
  char tmp[40];
  char* p = tmp + sizeof tmp;
  auto put64 = [&p](uint64_t v, int minDigits) {
    int written = 0;
    while (v != 0 || written < minDigits) {
      *--p = static_cast<char>('0' + v % 10);
      v /= 10;
      ++written;
    }
  };
  if (x >> 64) {
    // The high part stays below 2^64 because the whole part is below 2^127.
    put64(static_cast<uint64_t>(x % kTenTo19), 19);
    put64(static_cast<uint64_t>(x / kTenTo19), 0);
  } else {
    put64(static_cast<uint64_t>(x), 0);
  }
  const int count = static_cast<int>(tmp + sizeof tmp - p);
  std::memcpy(out, p, count);
  return count;
}

enum class Tail { kBelowHalf, kHalf, kAboveHalf };

// The remainder frac / 2^k against one half of the last kept digit's unit.
Tail compareWithHalf(u128 frac, int k) {
  if (k == 0) return Tail::kBelowHalf;  // no fraction bits: the remainder is 0
  const u128 half = static_cast<u128>(1) << (k - 1);
  if (frac > half) return Tail::kAboveHalf;
  return frac == half ? Tail::kHalf : Tail::kBelowHalf;
}

void roundUp(Digits19& d) {
  int i = 18;
  while (i >= 0 && d.digit[i] == '9') d.digit[i--] = '0';
  if (i < 0) {
    d.digit[0] = '1';
    ++d.exponent;
  } else {
    ++d.digit[i];
  }
}

// |v| = significand * 2^shift.
struct BinaryParts {
  uint64_t significand;
  int shift;
};

BinaryParts binaryParts(long double v) {
  const ExtendedParts parts = extendedParts(v);
  return {parts.significand, parts.biasedExponent - kExponentBias - 63};
}

}  // namespace

bool exactDigits19(long double v, Digits19& out) {
  const auto [significand, shift] = binaryParts(v);
  // Above 63 the whole part outgrows 128 bits; below -124 ten times the fraction would.
  if (shift > 63 || shift < -124) return false;

  u128 whole = 0;
  u128 frac = 0;
  u128 fracMask = 0;
  int k = 0;  // fraction bits
  if (shift >= 0) {
    whole = static_cast<u128>(significand) << shift;
  } else {
    k = -shift;
    whole = k < 64 ? significand >> k : 0;
    fracMask = (static_cast<u128>(1) << k) - 1;
    frac = significand & fracMask;
  }

  char wholeDigits[40];
  const int wholeCount = writeWhole(whole, wholeDigits);
  Tail tail;
  if (wholeCount >= 19) {
    std::memcpy(out.digit, wholeDigits, 19);
    out.exponent = wholeCount - 1;
    if (wholeCount == 19) {
      tail = compareWithHalf(frac, k);
    } else {
      const char first = wholeDigits[19];
      bool restNonZero = frac != 0;
      for (int i = 20; i < wholeCount && !restNonZero; ++i) restNonZero = wholeDigits[i] != '0';
      tail = first > '5' || (first == '5' && restNonZero) ? Tail::kAboveHalf
             : first == '5'                               ? Tail::kHalf
                                                          : Tail::kBelowHalf;
    }
  } else {
    std::memcpy(out.digit, wholeDigits, wholeCount);
    out.exponent = wholeCount - 1;
    int count = wholeCount;
    while (count < 19) {
      if (frac == 0) {
        std::memset(out.digit + count, '0', 19 - count);
        break;
      }
      frac *= 10;
      const char digit = static_cast<char>('0' + static_cast<int>(frac >> k));
      frac &= fracMask;
      if (count == 0 && digit == '0') {
        --out.exponent;  // a leading zero of a figure below 1
        continue;
      }
      out.digit[count++] = digit;
    }
    tail = compareWithHalf(frac, k);
  }

  if (tail == Tail::kAboveHalf || (tail == Tail::kHalf && (out.digit[18] - '0') % 2 == 1)) {
    roundUp(out);
  }
  return true;
}

void printfDigits19(long double v, Digits19& out) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.18Le", v);
  // The radix character follows the locale and may even be several bytes: take only digits.
  const char* marker = std::strrchr(buf, 'e');
  int count = 0;
  for (const char* p = buf; p < marker && count < 19; ++p) {
    if (*p >= '0' && *p <= '9') out.digit[count++] = *p;
  }
  const char* p = marker + 1;
  const bool negative = *p == '-';
  if (*p == '-' || *p == '+') ++p;
  int exponent = 0;
  for (; *p >= '0' && *p <= '9'; ++p) exponent = exponent * 10 + (*p - '0');
  out.exponent = negative ? -exponent : exponent;
}

// Why the short cut gives the same count as rounding the 19 digits. Write x for v in units of the
// last place, n for its whole part and t = x - n for the remainder.
// - The 19 digits of v stop at a place whose unit U (in units of the last place) is a power of
//   ten no larger than x * 10^-18, and below 2^59 that is at most 0.1; so n and n + 1/2 both lie
//   on the grid of 19-digit values, and the correctly rounded x' lies within U/2 of x.
// - Rounding to the grid never crosses a grid point, so n <= x' <= n + 1, and x' < n + 1/2 when
//   t < 1/2 - U/2, x' > n + 1/2 when t > 1/2 + U/2. The second rounding then gives n or n + 1
//   exactly as t alone does.
// - When t is exactly 1/2, 10x = 10n + 5 < 10^19 has at most 19 digits, so x' = x and both
//   roundings go to the even neighbour.
// The test below asks for |t - 1/2| > x * 2^-60, which is more than U/2 since 2^-60 > 10^-18 / 2;
// everything is integer arithmetic on x = significand * 10^decimals * 2^-k.
bool unitsWithoutDigits(long double v, int decimals, uint64_t& units) {
  constexpr int kMostDecimals = 18;  // 10^18 * 2^64 < 2^124 still leaves room in 128 bits
  if (decimals < 0 || decimals > kMostDecimals) return false;
  const auto [significand, shift] = binaryParts(v);
  if (shift >= 0) return false;  // v >= 2^63: far past 2^59 units
  // Whole-number masks ("###") take most figures; from 1 up their count is the significand's
  // whole bits, and the same test runs in one 64-bit word.
  if (decimals == 0 && shift > -64) {
    const int k = -shift;
    const uint64_t n = significand >> k;
    if (n >= (uint64_t{1} << 59)) return false;
    const uint64_t half = uint64_t{1} << (k - 1);
    const uint64_t remainder = significand & ((uint64_t{1} << k) - 1);
    const uint64_t fromHalf = remainder > half ? remainder - half : half - remainder;
    if (fromHalf == 0) {
      units = n + (n & 1);
      return true;
    }
    if (fromHalf <= (significand >> 60)) return false;
    units = remainder > half ? n + 1 : n;
    return true;
  }
  const u128 x = static_cast<u128>(significand) * kPowersOfTen[decimals];  // below 2^124
  const int k = -shift;
  if (k >= 126) {  // x below 1/4: rounds to nothing, far from any half
    units = 0;
    return true;
  }
  const u128 whole = x >> k;
  if (whole >= (static_cast<u128>(1) << 59)) return false;
  const u128 half = static_cast<u128>(1) << (k - 1);
  const u128 remainder = x & ((static_cast<u128>(1) << k) - 1);
  const u128 fromHalf = remainder > half ? remainder - half : half - remainder;
  const auto n = static_cast<uint64_t>(whole);
  if (fromHalf == 0) {
    units = n + (n & 1);
    return true;
  }
  if (fromHalf <= (x >> 60)) return false;  // |t - 1/2| <= x * 2^-60
  units = remainder > half ? n + 1 : n;
  return true;
}

Digits19 digits19(long double v) {
  Digits19 d;
  if (!exactDigits19(v, d)) printfDigits19(v, d);
  return d;
}

}  // namespace kestravo::detail
