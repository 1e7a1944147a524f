// The faces the windows were drawn for, and the metric-compatible faces that stand in for
// them where they are not installed, so columns and captions keep their widths.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace kestravo::gui {

inline constexpr const char* kCourierNew = "Courier New";
inline constexpr const char* kMsSansSerif = "MS Sans Serif";

// The family to ask for: `face` itself when installed, else its stand-in when that is
// installed, else `face` unchanged (the font system then picks what it can). Family names
// compare without regard to letter case.
QString pickFamily(const QString& face, const QStringList& installed);

// A font of `face` (or its stand-in among the installed families) at `points`.
QFont screenFont(const char* face, int points, bool bold = false);

// The font the dialog units of every window are measured in.
QFont dialogFont();

}  // namespace kestravo::gui
