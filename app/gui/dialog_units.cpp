#include "app/gui/dialog_units.h"

#include <QFont>
#include <QFontMetrics>

namespace kestravo::gui {

int mulDiv(int a, int b, int c) {
  const long long product = static_cast<long long>(a) * b;
  const long long half = (c < 0 ? -c : c) / 2;
  const bool negative = (product < 0) != (c < 0);
  const long long magnitude = ((product < 0 ? -product : product) + half) / (c < 0 ? -c : c);
  return static_cast<int>(negative ? -magnitude : magnitude);
}

DialogUnits DialogUnits::fromMeasures(int alphabetWidth, int charHeight) {
  return {(alphabetWidth / 26 + 1) / 2, charHeight};
}

DialogUnits DialogUnits::of(const QFont& font) {
  const QFontMetrics metrics(font);
  return fromMeasures(metrics.horizontalAdvance(
                          QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")),
                      metrics.height());
}

int DialogUnits::x(int du) const { return mulDiv(du, baseX, 4); }
int DialogUnits::y(int du) const { return mulDiv(du, baseY, 8); }

}  // namespace kestravo::gui
