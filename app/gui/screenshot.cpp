// kestravo-screenshot: draws the real main window off screen with a card opened and a race
// chosen, for the user guide.
//   kestravo-screenshot [CARD [PNG [RACE]]]
// CARD defaults to the bundled sample card, PNG to docs/main-window.png, RACE to 1. The
// card is opened from a copy in a temporary folder, so its scratch file lands there.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>

#include "app/controls.h"
#include "app/gui/dialog_template.h"
#include "app/gui/main_window.h"
#include "app/gui/qt_text.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QString source = QStringLiteral(KESTRAVO_SOURCE_DIR);
  const QStringList args = QApplication::arguments();
  const QString card = args.size() > 1 ? args[1] : source + "/samples/KSV1208.DRF";
  const QString picture = args.size() > 2 ? args[2] : source + "/docs/main-window.png";
  const int race = args.size() > 3 ? args[3].toInt() : 1;

  QTemporaryDir folder;
  const QString copy = folder.filePath(QFileInfo(card).fileName());
  if (!folder.isValid() || !QFile::copy(card, copy)) {
    std::fprintf(stderr, "kestravo-screenshot: cannot copy %s\n", qPrintable(card));
    return 1;
  }

  using namespace kestravo;
  gui::MainWindow window;
  window.setFileChooser([&] { return gui::pathBytes(copy); });
  window.show();
  window.findChild<QPushButton*>(gui::controlName(control::kOpenDataFile))->click();
  auto* races = window.findChild<QListView*>(gui::controlName(control::kRacesList));
  const QModelIndex line = races->model()->index(race - 1, 0);
  if (!line.isValid()) {
    std::fprintf(stderr, "kestravo-screenshot: the card has no race %d\n", race);
    return 1;
  }
  // What a double-click on the race line does.
  emit races->doubleClicked(line);
  QApplication::processEvents();

  if (!window.grab().save(picture)) {
    std::fprintf(stderr, "kestravo-screenshot: cannot write %s\n", qPrintable(picture));
    return 1;
  }
  std::printf("%s\n", qPrintable(QDir::toNativeSeparators(picture)));
  return 0;
}
