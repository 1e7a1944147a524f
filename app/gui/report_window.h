// The window a report is drawn in: a caption, a fixed size in text rows and columns, and a
// drawing surface larger than the window where the report needs it, scrolled by the
// window itself. It never holds up the main window: a report that waits for a key only
// marks the window as waiting, and a key or the close box ends the wait. Beyond reading,
// the handicapper can copy the report's text, save it as a text file and print it.
#pragma once

#include <QColor>
#include <QMargins>
#include <QPalette>
#include <QRect>
#include <QScrollArea>
#include <string>
#include <string_view>

#include "app/gui/report_drawing.h"
#include "app/gui/report_keeping.h"
#include "reports/report_canvas.h"

namespace kestravo::gui {

class ReportPage;

// The report colour on this desktop: the default text and background are those of a page
// of text, the face colour that of a push button.
QColor reportColour(ReportColour colour, const QPalette& palette);

// Where a report window goes on a screen whose free area is `available`. `wanted` holds
// the frame's top-left and the client area's size; the result is the same pair, with the
// client no larger than the free area less `frame` and the frame moved inside the free
// area, the title bar kept on it before all.
QRect placeReportWindow(const QRect& wanted, const QMargins& frame, const QRect& available);

class ReportWindow : public QScrollArea {
  Q_OBJECT

 public:
  // A top-level window of no owner, deleted when closed, not yet shown. Its rows and
  // columns are those of the window's standard text font, the desktop's own, so the size
  // is fixed at opening: the report's faces come later and change from line to line (a
  // title in a large face, the body in a small one), and the same report always opens
  // in a window of the same size.
  ReportWindow(const QString& caption, const ReportGeometry& geometry,
               ReportDialogs dialogs = ReportDialogs::standard());

  // The drawing operations of the report canvas.
  void setReportFont(const ReportFont& font);
  // A dimension smaller than the window's inside counts as the inside's.
  void setCanvas(int width, int height);
  void setColours(ReportColour text, ReportColour background);
  void print(std::string_view text);
  void tab(int column);
  void newLine();
  // Marks the window as waiting; the wait ends on a key in the window or on its closing.
  void waitForKey() { waiting_ = true; }

  bool waiting() const { return waiting_; }
  QSize canvasSize() const;
  const ReportDrawing& drawing() const { return drawing_; }

  // The report's text to the clipboard.
  void copyText();
  // Asks for a file and writes the text to it, with a line end after the last line.
  void saveAsText();
  // Asks for a printer (or a PDF file) and prints the report.
  void printReport();

 signals:
  void waitEnded();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // Sizes and moves the window onto its screen's free area, `frame` around it.
  void place(const QMargins& frame);
  QMargins estimatedFrame() const;
  // Sizes the drawing surface to the canvas asked for, within the window as it now is.
  void fitCanvas();
  void addKeepingAction(const char* text, QKeySequence::StandardKey key,
                        void (ReportWindow::*keep)());
  void endWait();
  void tell(const QString& text);

  ReportDialogs dialogs_;
  ReportDrawing drawing_;
  ReportPage* page_;
  QRect wanted_;        // the frame's top-left and the inside's size, before any clamping
  QSize canvas_{0, 0};  // as the report asked for it
  bool placedInFrame_ = false;
  bool waiting_ = false;
};

}  // namespace kestravo::gui
