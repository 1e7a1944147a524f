// kestravo: the desktop handicapping program.
#include <QApplication>

#include "app/gui/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("kestravo"));
  QGuiApplication::setDesktopFileName(QStringLiteral("kestravo"));
  kestravo::gui::MainWindow window;
  window.show();
  return QApplication::exec();
}
