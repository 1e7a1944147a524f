// A window's controls as a table, the way the window system's dialog templates give them:
// id, kind, text, geometry in dialog units and font. Building from the table keeps every
// window's layout in one place and its tab order in table order.
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QString>
#include <map>
#include <span>

#include "app/gui/dialog_units.h"
#include "app/gui/report_list_view.h"

class QWidget;

namespace kestravo::gui {

// The grey of the main and scratch windows and of the labels on them.
inline const QColor kWindowGrey{220, 220, 220};

enum class ControlKind { kButton, kLabel, kListBox, kListView };
enum class FontKind { kCourier11, kCourier11Bold, kCourier12, kSans10 };

struct ControlLayout {
  int id;
  ControlKind kind;
  const char* text;         // a list view's text is its window title, never shown
  int x, y, width, height;  // dialog units
  FontKind font;
  // A label's text; for a list view, the columns past its column table.
  Qt::Alignment alignment = Qt::AlignLeft;
  std::span<const ColumnLayout> columns = {};  // list views
};

QFont fontOf(FontKind kind);

// The object name a control is found by: its id in decimal.
inline QString controlName(int id) { return QString::number(id); }

// Gives `widget` a solid background of `colour`.
void fillBackground(QWidget* widget, const QColor& colour);

// Breaks `text` at blanks so that no line is wider than `width` pixels (a single word
// wider than that keeps a line of its own), as multi-line push buttons show it.
QString wrapToWidth(const QString& text, const QFontMetrics& metrics, int width);

// Creates the controls of `table` on `window` in table order and returns them by id:
// QPushButton, QLabel, QListView (a list box) or ReportListView.
std::map<int, QWidget*> createControls(QWidget* window, std::span<const ControlLayout> table,
                                       const DialogUnits& units);

}  // namespace kestravo::gui
