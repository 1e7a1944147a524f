#include "app/gui/file_chooser.h"

#include <QDir>
#include <QFileDialog>

#include "app/gui/qt_text.h"

namespace kestravo::gui {

namespace {
constexpr const char* kExtensions[] = {"drf", "eg", "jcp", "mcp", "pcs", "zip"};
}  // namespace

QStringList dataFilePatterns() {
  QStringList patterns;
  for (const char* extension : kExtensions) {
    QString pattern = QStringLiteral("*.");
    for (const QChar c : QLatin1String(extension)) {
      pattern += QLatin1Char('[') + c.toLower() + c.toUpper() + QLatin1Char(']');
    }
    patterns << pattern;
  }
  return patterns;
}

QString dataFileFilter() {
  return QStringLiteral("Data (%1)").arg(dataFilePatterns().join(QLatin1Char(' ')));
}

std::string askForDataFile() {
  QFileDialog dialog(nullptr, QStringLiteral("LOAD A DATA FILE"), QDir::currentPath(),
                     dataFileFilter());
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  // The patterns are long; the entry reads "Data" as the handicapper knows it.
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.move(100, 100);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return pathBytes(dialog.selectedFiles().constFirst());
}

}  // namespace kestravo::gui
