// Window geometry is given in dialog units, so the windows keep their proportions with
// whatever face stands in for the dialog font: a horizontal unit is a quarter of the font's
// average character width, a vertical unit an eighth of its height.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QFont;

namespace kestravo::gui {

struct DialogUnits {
  int baseX = 0;  // average character width in pixels
  int baseY = 0;  // character height in pixels

  // The base units the way the window system measures them: the width of the 52 letters
  // of the alphabet over 26, rounded to whole pixels.
  static DialogUnits fromMeasures(int alphabetWidth, int charHeight);
  static DialogUnits of(const QFont& font);

  int x(int du) const;
  int y(int du) const;
  QPoint point(int x, int y) const { return {this->x(x), this->y(y)}; }
  QSize size(int width, int height) const { return {x(width), y(height)}; }
  QRect rect(int x, int y, int width, int height) const {
    return {point(x, y), size(width, height)};
  }
};

// a * b / c rounded to the nearest whole number, halves away from zero; c must not be 0.
int mulDiv(int a, int b, int c);

}  // namespace kestravo::gui
