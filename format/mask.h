// Picture masks lay every figure and name of the lists and report screens into a fixed width
// ("###", "##.#", "##,###,###", "\          \"), so report columns line up and a figure stored
// through a mask is rounded once, the same way wherever it is shown.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kestravo {

// A mask holds literal characters and one field. A numeric field is a run of '#' with an
// optional ',' (grouping in threes) and one '.', each ',' taking a position of width; a text
// field is '\', blanks, '\' and is as wide as that run. Literal characters around the field are
// copied, and '_' copies the character after it literally (a lone '_' at the end is itself).
// Anything after the field is literal: a mask never holds a second field.
//
// A figure is rounded from its 19 significant digits to the field's decimals, an exact half of
// those digits going to the even digit. It is right-aligned, a negative figure keeps its "-"
// even when it rounds to zero, and a figure too wide for the field widens it to the left rather
// than losing digits. Negative zero and non-finite values show as 0.
//
// A figure given to a text field is laid out as the text of its plain form: what plainWhole
// gives for a whole number, with the decimals after a point for any other (2.5 gives " 2.5").
std::string Format(std::string_view mask, long double value);

// The plain form of a figure, as a text field lays it out: a blank or a minus sign, the
// whole digits, and the decimals its 19 significant digits hold, trailing zeros dropped
// (4 gives " 4", 3.5 gives " 3.5"); 0 and non-finite values give " 0".
std::string plainNumber(long double value);

// The text Format gives, appended to `out`: stores that keep many texts in one buffer write
// them in place.
void appendFormat(std::string& out, std::string_view mask, long double value);

// The room layPlainFigure needs.
inline constexpr std::size_t kPlainFigureRoom = 64;

// A stored figure's mask, read once where it is written: the masks of stored figures are
// literals of the program, and most are '#'s with at most one point ("###", "##.#"), which
// layPlainFigure lays without reading the mask again at every store.
class FigureMask {
 public:
  // A literal is read when the program is compiled.
  template <std::size_t N>
  consteval FigureMask(const char (&mask)[N]) : FigureMask(std::string_view(mask, N - 1)) {}
  constexpr explicit FigureMask(std::string_view mask) : text_(mask) {
    std::size_t c = 0;
    while (c < mask.size() && mask[c] == '#') ++c;
    const std::size_t whole = c;
    const bool point = c < mask.size() && mask[c] == '.';
    if (point) ++c;
    const std::size_t first = c;
    while (c < mask.size() && mask[c] == '#') ++c;
    const std::size_t decimals = point ? c - first : 0;
    plain_ = c == mask.size() && whole + decimals > 0 && mask.size() <= kWidestPlain &&
             decimals <= kMostPlainDecimals;
    whole_ = static_cast<unsigned char>(plain_ ? whole : 0);
    decimals_ = static_cast<unsigned char>(plain_ ? decimals : 0);
    point_ = plain_ && point;
  }

  std::string_view text() const { return text_; }
  // Whether the mask is '#'s with at most one point, no wider than layPlainFigure lays.
  bool plain() const { return plain_; }
  std::size_t wholePositions() const { return whole_; }
  std::size_t decimals() const { return decimals_; }
  bool point() const { return point_; }

  // The widest plain mask, and the most decimals one may have: a rounded figure then still
  // counts its last-place units in 64 bits.
  static constexpr std::size_t kWidestPlain = 24;
  static constexpr std::size_t kMostPlainDecimals = 18;

 private:
  std::string_view text_;
  unsigned char whole_ = 0;
  unsigned char decimals_ = 0;
  bool point_ = false;
  bool plain_ = false;
};

// The text appendFormat gives, written at `out`, which has room for kPlainFigureRoom characters,
// when the mask is plain and the figure needs no digits beyond its binary form, as nearly every
// stored figure; past the text `out` may be written. Returns the text's length, or 0 for any
// other mask or figure: those take appendFormat.
std::size_t layPlainFigure(const FigureMask& mask, long double value, char* out);

// A text field lays the text left-aligned, cut to the field's width or padded with blanks.
// A numeric field formats the text's numeric value.
std::string Format(std::string_view mask, std::string_view text);

// What a mask lays out, for callers that align columns and for checks: the literal widths
// before and after the field, and the field's width (for a numeric field, the width it has
// when the figure fits).
struct MaskShape {
  enum class Field { kNone, kNumber, kText };
  Field field = Field::kNone;
  std::size_t leadingWidth = 0;
  std::size_t fieldWidth = 0;
  std::size_t trailingWidth = 0;
};

MaskShape describeMask(std::string_view mask);

}  // namespace kestravo
