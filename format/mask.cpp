#include "format/mask.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "format/digits.h"
#include "format/numeric.h"

namespace kestravo {
namespace {

using Field = MaskShape::Field;

struct Picture {
  Field field = Field::kNone;
  std::string_view leading;   // raw mask text before the field, '_' escapes still in it
  std::string_view trailing;  // raw mask text after the field
  std::size_t integerPositions = 0;
  std::size_t decimals = 0;
  bool point = false;
  bool grouping = false;
  std::size_t textWidth = 0;
};

// One pass over the mask; a field, once closed, can never open again, so nothing out of order
// can reach the layout.
Picture parsePicture(std::string_view mask) {
  enum class State { kLeading, kInteger, kDecimals };
  Picture p;
  // Nearly every mask in use is '#'s with at most one point among them ("###", "##.#"): those
  // are read by a plain count. Anything else takes the full reading below.
  if (const FigureMask plain(mask); plain.plain()) {
    p.field = Field::kNumber;
    p.integerPositions = plain.wholePositions();
    p.decimals = plain.decimals();
    p.point = plain.point();
    return p;
  }
  State state = State::kLeading;
  for (std::size_t i = 0; i < mask.size(); ++i) {
    const char c = mask[i];
    switch (state) {
      case State::kLeading:
        if (c == '_') {
          ++i;  // the escaped character stays literal
        } else if (c == '#' || (c == '.' && i + 1 < mask.size() && mask[i + 1] == '#')) {
          p.field = Field::kNumber;
          p.leading = mask.substr(0, i);
          if (c == '#') {
            p.integerPositions = 1;
            state = State::kInteger;
          } else {
            p.point = true;
            state = State::kDecimals;
          }
        } else if (c == '\\') {
          // Only blanks may stand between the backslashes; otherwise the '\' is a literal.
          const std::size_t close = mask.find_first_not_of(' ', i + 1);
          if (close != std::string_view::npos && mask[close] == '\\') {
            p.field = Field::kText;
            p.leading = mask.substr(0, i);
            p.textWidth = close - i + 1;
            p.trailing = mask.substr(close + 1);
            return p;
          }
        }
        break;
      case State::kInteger:
        if (c == '#') {
          ++p.integerPositions;
        } else if (c == ',') {
          ++p.integerPositions;
          p.grouping = true;
        } else if (c == '.') {
          p.point = true;
          state = State::kDecimals;
        } else {
          p.trailing = mask.substr(i);
          return p;
        }
        break;
      case State::kDecimals:
        if (c != '#') {
          p.trailing = mask.substr(i);
          return p;
        }
        ++p.decimals;
        break;
    }
  }
  if (p.field == Field::kNone) p.leading = mask;
  return p;
}

std::size_t literalWidth(std::string_view raw) {
  std::size_t width = 0;
  for (std::size_t i = 0; i < raw.size(); ++i, ++width) {
    if (raw[i] == '_' && i + 1 < raw.size()) ++i;
  }
  return width;
}

char* putLiteral(std::string_view raw, char* out) {
  for (std::size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] == '_' && i + 1 < raw.size()) ++i;
    *out++ = raw[i];
  }
  return out;
}

void appendLiteral(std::string_view raw, std::string& out) {
  const std::size_t at = out.size();
  out.resize(at + literalWidth(raw));
  putLiteral(raw, out.data() + at);
}

// The figure's magnitude rounded to the field's decimals, as an integer count of the last
// decimal's units: `head` followed by `zeros` zeros. Empty when it rounds to zero.
struct Rounded {
  char buffer[20];  // room in front for a carry
  char* head = buffer + 1;
  std::size_t headLength = 0;
  std::size_t zeros = 0;

  std::size_t length() const { return headLength + zeros; }
  char at(std::size_t i) const { return i < headLength ? head[i] : '0'; }
};

void roundToDecimals(long double magnitude, std::size_t decimals, Rounded& r) {
  const detail::Digits19 d = detail::digits19(magnitude);
  // Digits kept: those whose place is at least the unit of the last decimal.
  const long long keep = static_cast<long long>(d.exponent) + 1 + static_cast<long long>(decimals);
  if (keep >= 19) {
    std::memcpy(r.head, d.digit, 19);
    r.headLength = 19;
    r.zeros = static_cast<std::size_t>(keep - 19);
    return;
  }
  if (keep < 0) return;  // the first dropped digit is a leading zero: rounds to nothing
  const std::size_t kept = static_cast<std::size_t>(keep);
  std::memcpy(r.head, d.digit, kept);
  r.headLength = kept;
  const char first = d.digit[kept];
  bool restNonZero = false;
  for (std::size_t i = kept + 1; i < 19 && !restNonZero; ++i) restNonZero = d.digit[i] != '0';
  const bool lastOdd = kept > 0 && (d.digit[kept - 1] - '0') % 2 == 1;
  if (first > '5' || (first == '5' && (restNonZero || lastOdd))) {
    std::size_t i = kept;
    while (i > 0 && r.head[i - 1] == '9') r.head[--i] = '0';
    if (i == 0) {
      *--r.head = '1';  // the carry adds a digit in front
      ++r.headLength;
    } else {
      ++r.head[i - 1];
    }
  }
}

// Most figures are laid out from their rounded count of last-place units, the field written from
// its right end. The same text as the general layout below: decimals padded with zeros, a "0"
// before the point when the whole part is zero and the mask has a place for it, commas between
// groups of three, the sign against the first digit, blanks for the positions left over.
constexpr std::size_t kMostUnitDecimals = 18;

void appendUnits(const Picture& p, bool negative, std::uint64_t units, std::string& out) {
  // 18 decimals, the point, 20 digits with 6 commas and the sign, and blanks in front of them
  // for the positions left over, up to the field's width.
  constexpr std::size_t kRoom = 64;
  char field[kRoom];
  std::memset(field, ' ', kRoom);
  char* const end = field + kRoom;
  char* o = end;
  for (std::size_t j = 0; j < p.decimals; ++j, units /= 10) {
    *--o = static_cast<char>('0' + units % 10);
  }
  if (p.point) *--o = '.';
  if (p.grouping) {
    for (int written = 0; written == 0 || units != 0; ++written, units /= 10) {
      if (written > 0 && written % 3 == 0) *--o = ',';
      *--o = static_cast<char>('0' + units % 10);
    }
  } else if (units != 0 || p.integerPositions > 0) {
    do {
      *--o = static_cast<char>('0' + units % 10);
      units /= 10;
    } while (units != 0);
  }
  if (negative) *--o = '-';
  const std::size_t fieldWidth = p.integerPositions + (p.point ? 1 + p.decimals : 0);
  o = std::min(o, end - std::min(kRoom, fieldWidth));
  if (!p.leading.empty()) appendLiteral(p.leading, out);
  const auto width = static_cast<std::size_t>(end - o);
  if (fieldWidth > width) out.append(fieldWidth - width, ' ');  // blanks the buffer had no room for
  out.append(o, width);
  if (!p.trailing.empty()) appendLiteral(p.trailing, out);
}

// "00" to "99", for laying out digits two at a time.
constexpr auto kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (std::size_t i = 0; i < 100; ++i) {
    pairs[2 * i] = static_cast<char>('0' + i / 10);
    pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

// Lays the digits of n, at least one, to end just before `end`, and returns where they start.
// Two at a time, halving the chain of divisions each figure waits on.
char* layWholeDigits(char* end, std::uint64_t n) {
  char* o = end;
  for (; n >= 100; n /= 100) {
    o -= 2;
    std::memcpy(o, &kDigitPairs[2 * (n % 100)], 2);
  }
  if (n >= 10) {
    o -= 2;
    std::memcpy(o, &kDigitPairs[2 * n], 2);
  } else {
    *--o = static_cast<char>('0' + n);
  }
  return o;
}

// Whole figures below 10^15 with up to three decimals take the integer path below: their counts
// of last-place units stay below 10^18, inside the 2^59 the binary reading allows.
constexpr std::size_t kMostWholeDecimals = 3;
constexpr std::uint64_t kMostWhole = 1000000000000000;
constexpr std::uint64_t kUnitsPerWhole[kMostWholeDecimals + 1] = {1, 10, 100, 1000};

}  // namespace

// Nearly every stored figure has a mask of '#'s with at most one point among them ("###",
// "##.#") and a value whose rounded units come straight from its binary form: such a figure is
// laid out here in one piece, as appendUnits lays it, without the literals and grouping that
// appendUnits must allow for (every stored figure passes here, and going through the general
// layout costs an open about 3 % more instructions).
std::size_t layPlainFigure(const FigureMask& mask, long double value, char* out) {
  constexpr std::size_t kRoom = kPlainFigureRoom;  // the widest mask taken here and 18 decimals,
                                                   // 18 digits
  constexpr std::size_t kWidestMask = FigureMask::kWidestPlain;
  static_assert(FigureMask::kMostPlainDecimals <= kMostUnitDecimals);
  // Copied out in one piece of this size: the text, and past its end what `out` has room for.
  constexpr std::size_t kCopied = 32;
  if (!mask.plain()) return 0;
  const std::size_t width = mask.text().size();
  const std::size_t whole = mask.wholePositions();
  const std::size_t decimals = mask.decimals();
  const bool point = mask.point();
  std::uint64_t magnitude = 0;
  bool negative = false;
  const bool small = detail::smallWhole(value, magnitude, negative);
  // The commonest store of all: a whole figure of up to four digits, not below 0, through a
  // mask of a few '#'s ("###" for 92). Laid straight into `out`.
  constexpr std::size_t kShortWidth = 8;
  constexpr std::uint64_t kShortWhole = 10000;
  if (small && !negative && !point && width <= kShortWidth && magnitude < kShortWhole) {
    const std::size_t digits = magnitude < 10 ? 1 : magnitude < 100 ? 2 : magnitude < 1000 ? 3 : 4;
    const std::size_t length = std::max(width, digits);
    std::memset(out, ' ', kShortWidth);
    layWholeDigits(out + length, magnitude);
    return length;
  }
  // Most stored figures are whole numbers (counts, points, ranks, day counts, figures like 92).
  // A whole n needs no rounding at all: n * 10^decimals is its exact count of last-place units,
  // and the count the binary reading below finds for it too (its remainder is zero, as far
  // from a half as can be). Zero of either sign shows without a sign, as below.
  std::uint64_t units = 0;
  if (decimals <= kMostWholeDecimals && small && magnitude < kMostWhole) {
    units = magnitude * kUnitsPerWhole[decimals];
  } else {
    const bool shown = std::isfinite(value) && value != 0;
    if (shown && !detail::unitsWithoutDigits(std::fabs(value), static_cast<int>(decimals), units)) {
      return 0;
    }
    negative = shown && value < 0;
  }
  char field[kRoom + kCopied];
  char* const end = field + kRoom;
  std::memset(end - kWidestMask, ' ', kWidestMask + kCopied);  // the positions left over
  char* o = end;
  // The decimals two at a time, like the whole digits.
  std::size_t j = 0;
  for (; j + 2 <= decimals; j += 2, units /= 100) {
    o -= 2;
    std::memcpy(o, &kDigitPairs[2 * (units % 100)], 2);
  }
  if (j < decimals) {
    *--o = static_cast<char>('0' + units % 10);
    units /= 10;
  }
  if (point) *--o = '.';
  if (units != 0 || whole > 0) o = layWholeDigits(o, units);
  if (negative) *--o = '-';
  const char* const start = std::min(o, end - width);
  const auto length = static_cast<std::size_t>(end - start);
  // A short figure, as nearly all are, is copied with a fixed size rather than a library call.
  if (length <= kCopied) {
    std::memcpy(out, start, kCopied);
  } else {
    std::memcpy(out, start, length);
  }
  return length;
}

namespace {

bool appendPlainFigure(std::string& out, std::string_view mask, long double value) {
  char text[kPlainFigureRoom];
  const std::size_t length = layPlainFigure(FigureMask(mask), value, text);
  out.append(text, length);
  return length != 0;
}

// Each layout appends its text to `out`, so a store can collect many texts in one buffer.
void appendNumber(const Picture& p, long double value, std::string& out) {
  const bool shown = std::isfinite(value) && value != 0;
  std::uint64_t units = 0;
  if (p.decimals <= kMostUnitDecimals &&
      (!shown ||
       detail::unitsWithoutDigits(std::fabs(value), static_cast<int>(p.decimals), units))) {
    appendUnits(p, shown && value < 0, units, out);
    return;
  }
  Rounded r;
  bool negative = false;
  if (std::isfinite(value) && value != 0) {
    negative = value < 0;
    roundToDecimals(std::fabs(value), p.decimals, r);
  }
  const std::size_t length = r.length();
  const std::size_t wholeDigits = length > p.decimals ? length - p.decimals : 0;
  // A figure below 1 shows "0" before the point, unless the mask has no place for it.
  const std::size_t shownWhole = wholeDigits > 0 ? wholeDigits : (p.integerPositions > 0 ? 1 : 0);
  const std::size_t commas = p.grouping && shownWhole > 0 ? (shownWhole - 1) / 3 : 0;
  const std::size_t wholeWidth = (negative ? 1 : 0) + shownWhole + commas;
  const std::size_t pad = p.integerPositions > wholeWidth ? p.integerPositions - wholeWidth : 0;
  const std::size_t leadingWidth = literalWidth(p.leading);
  const std::size_t total =
      leadingWidth + pad + wholeWidth + (p.point ? 1 + p.decimals : 0) + literalWidth(p.trailing);

  const std::size_t at = out.size();
  out.resize(at + total, ' ');
  char* o = putLiteral(p.leading, out.data() + at);
  o += pad;
  if (negative) *o++ = '-';
  for (std::size_t i = 0; i < shownWhole; ++i) {
    if (i > 0 && commas > 0 && (shownWhole - i) % 3 == 0) *o++ = ',';
    *o++ = wholeDigits > 0 ? r.at(i) : '0';
  }
  if (p.point) {
    *o++ = '.';
    // Decimal j sits at index length - decimals + j; indexes before the first digit are zeros.
    for (std::size_t j = 0; j < p.decimals; ++j) {
      *o++ = length + j >= p.decimals ? r.at(length + j - p.decimals) : '0';
    }
  }
  putLiteral(p.trailing, o);
}

void appendText(const Picture& p, std::string_view text, std::string& out) {
  const std::size_t at = out.size();
  out.resize(at + literalWidth(p.leading) + p.textWidth + literalWidth(p.trailing), ' ');
  char* o = putLiteral(p.leading, out.data() + at);
  const std::size_t shown = text.size() < p.textWidth ? text.size() : p.textWidth;
  std::memcpy(o, text.data(), shown);
  putLiteral(p.trailing, o + p.textWidth);
}

}  // namespace

std::string plainNumber(long double value) {
  if (!std::isfinite(value) || value == 0) return " 0";
  const detail::Digits19 d = detail::digits19(std::fabs(value));
  int used = 19;
  while (used > 1 && d.digit[used - 1] == '0') --used;
  std::string s(1, value < 0 ? '-' : ' ');
  if (d.exponent < 0) {
    s += "0.";
    s.append(static_cast<std::size_t>(-d.exponent - 1), '0');
    s.append(d.digit, used);
  } else if (used <= d.exponent + 1) {
    s.append(d.digit, used);
    s.append(static_cast<std::size_t>(d.exponent + 1 - used), '0');
  } else {
    s.append(d.digit, d.exponent + 1);
    s += '.';
    s.append(d.digit + d.exponent + 1, used - d.exponent - 1);
  }
  return s;
}

void appendFormat(std::string& out, std::string_view mask, long double value) {
  if (appendPlainFigure(out, mask, value)) return;
  const Picture p = parsePicture(mask);
  switch (p.field) {
    case Field::kNumber:
      return appendNumber(p, value, out);
    case Field::kText:
      return appendText(p, plainNumber(value), out);
    case Field::kNone:
      break;
  }
  appendLiteral(p.leading, out);
}

std::string Format(std::string_view mask, long double value) {
  std::string out;
  appendFormat(out, mask, value);
  return out;
}

std::string Format(std::string_view mask, std::string_view text) {
  const Picture p = parsePicture(mask);
  std::string out;
  switch (p.field) {
    case Field::kNumber:
      appendNumber(p, numericValue(text), out);
      break;
    case Field::kText:
      appendText(p, text, out);
      break;
    case Field::kNone:
      appendLiteral(p.leading, out);
      break;
  }
  return out;
}

MaskShape describeMask(std::string_view mask) {
  const Picture p = parsePicture(mask);
  MaskShape shape;
  shape.field = p.field;
  shape.leadingWidth = literalWidth(p.leading);
  shape.trailingWidth = literalWidth(p.trailing);
  if (p.field == Field::kNumber) {
    shape.fieldWidth = p.integerPositions + (p.point ? 1 + p.decimals : 0);
  } else if (p.field == Field::kText) {
    shape.fieldWidth = p.textWidth;
  }
  return shape;
}

}  // namespace kestravo
