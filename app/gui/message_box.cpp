#include "app/gui/message_box.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace kestravo::gui {

namespace {

// Title bars use a larger, bold face than the box's text, and carry up to three buttons.
constexpr int kTitleButtonsRoom = 3 * 32;
constexpr int kTitleMargins = 2 * 16;

}  // namespace

int captionRoom(const QString& caption) {
  QFont title = QApplication::font();
  title.setBold(true);
  title.setPointSizeF(title.pointSizeF() * 1.25);
  return QFontMetrics(title).horizontalAdvance(caption) + kTitleButtonsRoom + kTitleMargins;
}

void showMessageBox(QWidget* owner, const QString& caption, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, owner);
  // A message box sizes itself to its text; an empty row as wide as the caption needs
  // keeps it from being narrower.
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
    grid->addItem(
        new QSpacerItem(captionRoom(caption), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
        grid->rowCount(), 0, 1, grid->columnCount());
  }
  box.exec();
}

}  // namespace kestravo::gui
