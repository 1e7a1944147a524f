// What every report draws on: a window of fixed-pitch text opened with a caption and a
// size in rows and columns of its font, a current font and pair of colours, and a text
// cursor moved by print, tab to a 1-based character column, and new line. The desktop's
// report window and the text grid of the command line implement it, so one piece of
// report code serves both.
#pragma once

#include <string>
#include <string_view>

namespace kestravo {

struct ReportFont {
  std::string face;  // "Courier New"
  int points = 10;
};

// A colour of the report text or its background: an exact RGB, or one of the desktop's
// own (its default window text and background, or the face colour of its buttons).
struct ReportColour {
  enum class Kind { kRgb, kDefaultText, kDefaultBackground, kFace };
  Kind kind = Kind::kRgb;
  unsigned char red = 0;
  unsigned char green = 0;
  unsigned char blue = 0;

  static constexpr ReportColour rgb(unsigned char r, unsigned char g, unsigned char b) {
    return {Kind::kRgb, r, g, b};
  }
  static constexpr ReportColour defaultText() { return {Kind::kDefaultText}; }
  static constexpr ReportColour defaultBackground() { return {Kind::kDefaultBackground}; }
  static constexpr ReportColour face() { return {Kind::kFace}; }
  friend constexpr bool operator==(const ReportColour&, const ReportColour&) = default;
};

// Where a report window opens and how large it is, in screen pixels and in text rows and
// columns of its font.
struct ReportGeometry {
  int left = 0;
  int top = 0;
  int rows = 0;
  int columns = 0;
};

class ReportCanvas {
 public:
  virtual ~ReportCanvas() = default;

  // Opens a new report window and makes it the drawing target; an earlier window stays
  // open.
  virtual void open(const std::string& caption, const ReportGeometry& geometry) = 0;
  // Later text uses this font; line height and column width follow it.
  virtual void setFont(const ReportFont& font) = 0;
  // The drawing surface in pixels; a dimension smaller than the window counts as the
  // window's.
  virtual void setCanvas(int width, int height) = 0;
  virtual void setColours(ReportColour text, ReportColour background) = 0;
  // Draws the text at the cursor and moves the cursor past it.
  virtual void print(std::string_view text) = 0;
  // Moves the cursor to 1-based character column n; a target left of the cursor starts a
  // new line first, so a long name pushes the next item down rather than under itself.
  virtual void tab(int column) = 0;
  virtual void newLine() = 0;
  // Ends when a key is pressed in the window or the window closes; never blocks the main
  // window.
  virtual void waitForKey() = 0;
};

}  // namespace kestravo
