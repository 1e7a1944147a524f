// How a handicapper keeps a report beyond its window: the dialogs that ask where to save
// its text and how to print it, and the printout itself, the report's lines in a
// fixed-pitch face with their highlights, as many lines to a page as fit.
#pragma once

#include <QRgb>
#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace kestravo::gui {

class ReportLines;

struct ReportDialogs {
  // The path to save the text to, or "" when the handicapper cancels.
  std::function<QString(QWidget* parent, const QString& suggested)> saveFile;
  // Sets up `printer` (a printer, or a PDF file); false when the handicapper cancels.
  std::function<bool(QWidget* parent, QPrinter& printer)> setUpPrinter;

  // Qt's save dialog and print dialog.
  static ReportDialogs standard();
};

// Wider reports than this print across the page.
inline constexpr int kPortraitColumns = 100;

// Prints `report` on `printer`, scaled down to the page's width when its longest line
// needs it. The screen's default colours become black on the paper; every other colour,
// the yellow of the key-statistic rows among them, prints as shown. False when the
// printer cannot be started.
bool printReport(const ReportLines& report, QPrinter& printer, QRgb screenText,
                 QRgb screenBackground);

}  // namespace kestravo::gui
