#include "app/gui/report_keeping.h"

#include <QFileDialog>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

#include "app/gui/fonts.h"
#include "app/gui/qt_text.h"
#include "app/gui/report_drawing.h"

namespace kestravo::gui {

namespace {
constexpr int kPrintPoints = 10;
}  // namespace

ReportDialogs ReportDialogs::standard() {
  return {[](QWidget* parent, const QString& suggested) {
            return QFileDialog::getSaveFileName(parent, QStringLiteral("SAVE AS TEXT"), suggested,
                                                QStringLiteral("Text (*.txt)"));
          },
          [](QWidget* parent, QPrinter& printer) {
            QPrintDialog dialog(&printer, parent);
            return dialog.exec() == QDialog::Accepted;
          }};
}

bool printReport(const ReportLines& report, QPrinter& printer, QRgb screenText,
                 QRgb screenBackground) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QFont font = screenFont(kCourierNew, kPrintPoints);
  painter.setFont(font);
  const QFontMetricsF metrics(font, &printer);
  const qreal column = metrics.horizontalAdvance(QLatin1Char('0'));
  const qreal lineHeight = metrics.lineSpacing();
  const QRectF page = printer.pageRect(QPrinter::DevicePixel);
  const qreal scale = std::min<qreal>(1.0, page.width() / (std::max(1, report.widest()) * column));
  painter.scale(scale, scale);
  const int rowsPerPage = std::max(1, static_cast<int>(page.height() / (lineHeight * scale)));

  int row = 0;
  for (const ReportLine& line : report.lines()) {
    if (row == rowsPerPage) {
      printer.newPage();
      row = 0;
    }
    const qreal top = row++ * lineHeight;
    for (const ReportSegment& segment : line.segments) {
      const QRectF cell(segment.column * column, top, segment.length * column, lineHeight);
      if (segment.background != screenBackground) {
        painter.fillRect(cell, QColor(segment.background));
      }
      painter.setPen(segment.text == screenText ? QColor(Qt::black) : QColor(segment.text));
      const std::string_view chars(line.text);
      painter.drawText(QPointF(cell.left(), top + metrics.ascent()),
                       cardText(chars.substr(static_cast<std::size_t>(segment.column),
                                             static_cast<std::size_t>(segment.length))));
    }
  }
  return painter.end();
}

}  // namespace kestravo::gui
