// Fuzzes the numeric-text rule and the picture masks together: the first input byte says how
// many of the following bytes form the mask, the rest is a cell's text. Every cell of a card
// and every mask of a report passes through these, so none of them may crash or mislay a column.
#include <locale.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "format/digits.h"
#include "format/mask.h"
#include "format/numeric.h"

namespace {

using kestravo::MaskShape;

void check(bool ok) {
  if (!ok) std::abort();
}

bool skippedInFront(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// strtold agrees with the rule on every text that starts like a decimal number, except that it
// reads hexadecimal and turns overflow into infinity.
void checkNumericValue(std::string_view text, long double value) {
  std::size_t i = 0;
  while (i < text.size() && skippedInFront(text[i])) ++i;
  std::string rest(text.substr(i));
  std::size_t j = (!rest.empty() && (rest[0] == '+' || rest[0] == '-')) ? 1 : 0;
  if (j >= rest.size() || !((rest[j] >= '0' && rest[j] <= '9') || rest[j] == '.')) {
    check(value == 0);
    return;
  }
  if (j + 1 < rest.size() && rest[j] == '0' && (rest[j + 1] == 'x' || rest[j + 1] == 'X')) return;
  static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
  long double expected = strtold_l(rest.c_str(), nullptr, c);
  if (std::isinf(expected)) expected = 0;
  check(value == expected);
}

// The figure shown in a numeric field reads back within half a unit of its last decimal.
void checkNumber(std::string_view mask, long double value) {
  const MaskShape shape = kestravo::describeMask(mask);
  const std::string out = kestravo::Format(mask, value);
  const std::size_t literals = shape.leadingWidth + shape.trailingWidth;
  switch (shape.field) {
    case MaskShape::Field::kNone:
      check(out.size() == shape.leadingWidth);
      return;
    case MaskShape::Field::kText:
      check(out.size() == literals + shape.fieldWidth);
      return;
    case MaskShape::Field::kNumber:
      break;
  }
  check(out.size() >= literals + shape.fieldWidth);
  std::string shown;
  int decimals = -1;
  for (std::size_t i = shape.leadingWidth; i < out.size() - shape.trailingWidth; ++i) {
    const char ch = out[i];
    check(ch == ' ' || ch == '-' || ch == ',' || ch == '.' || (ch >= '0' && ch <= '9'));
    if (ch == ',') continue;
    if (decimals >= 0) ++decimals;
    if (ch == '.') decimals = 0;
    shown += ch;
  }
  const long double v = std::isfinite(value) ? value : 0;
  if (std::fabs(v) > 1e4930L) return;  // reading the rounded figure back could overflow
  const long double unit = decimals > 0 ? std::pow(10.0L, -decimals) : 1.0L;
  const long double tolerance = unit * 0.5000001L + std::fabs(v) * 2e-18L;
  check(std::fabs(kestravo::numericValue(shown) - v) <= tolerance);
}

// Raw bytes as an extended-precision value, with the explicit integer bit made consistent so
// that the pattern is a value the hardware itself would produce.
long double fromBytes(const uint8_t* bytes) {
  uint64_t significand;
  uint16_t signAndExponent;
  std::memcpy(&significand, bytes, 8);
  std::memcpy(&signAndExponent, bytes + 8, 2);
  if ((signAndExponent & 0x7fff) != 0) {
    significand |= uint64_t{1} << 63;
  } else {
    significand &= ~(uint64_t{1} << 63);
  }
  long double v = 0;
  std::memcpy(&v, &significand, 8);
  std::memcpy(reinterpret_cast<unsigned char*>(&v) + 8, &signAndExponent, 2);
  return v;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::size_t maskLength = data[0] % size;
  const std::string_view mask(reinterpret_cast<const char*>(data + 1), maskLength);
  const std::string_view text(reinterpret_cast<const char*>(data + 1 + maskLength),
                              size - 1 - maskLength);

  const long double value = kestravo::numericValue(text);
  checkNumericValue(text, value);
  checkNumber(mask, value);

  const MaskShape shape = kestravo::describeMask(mask);
  const std::string laid = kestravo::Format(mask, text);
  if (shape.field == MaskShape::Field::kText) {
    check(laid.size() == shape.leadingWidth + shape.fieldWidth + shape.trailingWidth);
    const std::string_view field =
        std::string_view(laid).substr(shape.leadingWidth, shape.fieldWidth);
    const std::size_t shown = text.size() < shape.fieldWidth ? text.size() : shape.fieldWidth;
    check(field.substr(0, shown) == text.substr(0, shown));
    check(field.find_first_not_of(' ', shown) == std::string_view::npos);
  } else if (shape.field == MaskShape::Field::kNumber) {
    check(laid == kestravo::Format(mask, value));
  }

  if (text.size() >= 10) {
    const long double raw = fromBytes(data + size - 10);
    checkNumber(mask, raw);
    const long double magnitude = std::fabs(raw);
    if (std::isfinite(magnitude) && magnitude > 0) {
      kestravo::detail::Digits19 exact{};
      kestravo::detail::Digits19 printed{};
      if (kestravo::detail::exactDigits19(magnitude, exact)) {
        kestravo::detail::printfDigits19(magnitude, printed);
        check(std::memcmp(exact.digit, printed.digit, 19) == 0);
        check(exact.exponent == printed.exponent);
      }
    }
  }
  return 0;
}
