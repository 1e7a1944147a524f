#include "app/gui/fonts.h"

#include <QFontDatabase>

namespace kestravo::gui {

namespace {

struct StandIn {
  const char* face;
  const char* family;
};

constexpr StandIn kStandIns[] = {
    {kCourierNew, "Liberation Mono"},
    {kMsSansSerif, "Liberation Sans"},
};

const QString* findFamily(const QString& name, const QStringList& installed) {
  for (const QString& family : installed) {
    if (family.compare(name, Qt::CaseInsensitive) == 0) return &family;
  }
  return nullptr;
}

}  // namespace

QString pickFamily(const QString& face, const QStringList& installed) {
  if (const QString* found = findFamily(face, installed)) return *found;
  for (const StandIn& s : kStandIns) {
    if (face.compare(QLatin1String(s.face), Qt::CaseInsensitive) != 0) continue;
    if (const QString* found = findFamily(QLatin1String(s.family), installed)) return *found;
  }
  return face;
}

QFont screenFont(const char* face, int points, bool bold) {
  static const QStringList installed = QFontDatabase::families();
  QFont font(pickFamily(QLatin1String(face), installed));
  font.setPointSize(points);
  font.setBold(bold);
  return font;
}

QFont dialogFont() { return screenFont(kMsSansSerif, 8); }

}  // namespace kestravo::gui
