#include "app/gui/report_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QMenu>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "app/gui/fonts.h"
#include "app/gui/qt_text.h"
#include "app/gui/report_windows.h"
#include "gui_testing.h"

namespace kestravo::testing {
namespace {

using gui::pathText;
using gui::ReportDrawing;
using gui::ReportWindow;
using gui::ReportWindows;

constexpr ReportColour kBlack = ReportColour::rgb(0, 0, 0);
constexpr ReportColour kYellow = ReportColour::rgb(255, 255, 0);
const std::string kCaption = "KSV1208.DRF" + std::string(77, ' ') + "KEY TRAINER STATS";

// A title in the large face, then the body in the small one: a header at its columns, a
// horse whose long name pushes the trainer onto the next line, a highlighted category.
void drawSmallReport(ReportCanvas& canvas) {
  canvas.open(kCaption, {25, 25, 12, 90});
  canvas.setFont({"Courier New", 14});
  canvas.setCanvas(2000, 2000);
  canvas.setColours(kBlack, ReportColour::defaultBackground());
  canvas.print("RACE 1");
  canvas.newLine();
  canvas.print(std::string(20, '-'));
  canvas.newLine();
  canvas.setFont({"Courier New", 9});
  canvas.print("PP");
  canvas.tab(5);
  canvas.print("PR");
  canvas.tab(15);
  canvas.print("HORSE");
  canvas.tab(45);
  canvas.print("TRAINER");
  canvas.newLine();
  canvas.print(" 1");
  canvas.tab(15);
  canvas.print("A VERY LONG HORSE NAME INDEED XX");
  canvas.tab(45);
  canvas.print("SMITH");
  canvas.newLine();
  canvas.setColours(ReportColour::defaultText(), kYellow);
  canvas.print("CLAIMING   ");
  canvas.print(" 12");
  canvas.setColours(ReportColour::defaultText(), ReportColour::defaultBackground());
  canvas.newLine();
  canvas.print("END   ");
}

const std::string kSmallReportText =
    "RACE 1\n"
    "--------------------\n"
    "PP  PR        HORSE                         TRAINER\n"
    " 1            A VERY LONG HORSE NAME INDEED XX\n"
    "                                            SMITH\n"
    "CLAIMING    12\n"
    "END";

// `lines` lines of 170 columns, every tenth one highlighted.
void drawLongReport(ReportCanvas& canvas, int lines) {
  canvas.open("LONG", {10, 10, 20, 60});
  canvas.setFont({"Courier New", 9});
  canvas.setCanvas(2000, 20000);
  for (int line = 0; line < lines; ++line) {
    canvas.setColours(ReportColour::defaultText(),
                      line % 10 == 0 ? kYellow : ReportColour::defaultBackground());
    canvas.print("LINE " + std::to_string(line));
    canvas.tab(160);
    canvas.print("0123456789");
    canvas.newLine();
  }
}

class ReportWindowTest : public ::testing::Test {
 protected:
  ReportWindowTest()
      : windows(gui::ReportDialogs{[this](QWidget*, const QString&) { return pathText(savePath); },
                                   [this](QWidget*, QPrinter& printer) {
                                     printer.setOutputFormat(QPrinter::PdfFormat);
                                     printer.setOutputFileName(pathText(pdfPath));
                                     return true;
                                   }}) {}

  ~ReportWindowTest() override {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (qobject_cast<ReportWindow*>(widget)) widget->close();
    }
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  ReportWindow* shown() {
    ReportWindow* window = windows.current();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    return window;
  }

  TempFolder folder;
  std::string savePath = folder.file("report.txt");
  std::string pdfPath = folder.file("report.pdf");
  ReportWindows windows;
};

// The rows of `image` that hold a yellow pixel, as [first, last].
std::pair<int, int> yellowRows(const QImage& image) {
  std::pair<int, int> rows{-1, -1};
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != qRgb(255, 255, 0)) continue;
      if (rows.first < 0) rows.first = y;
      rows.second = y;
      break;
    }
  }
  return rows;
}

TEST_F(ReportWindowTest, OpensAtItsPlaceWithAFixedSizeInRowsAndColumns) {
  drawSmallReport(windows);
  ReportWindow* window = shown();
  EXPECT_EQ(window->windowTitle().toStdString(), kCaption);
  EXPECT_TRUE(window->isWindow());
  EXPECT_EQ(window->parentWidget(), nullptr);
  EXPECT_EQ(window->pos(), QPoint(25, 25));
  const QFontMetrics standard(window->font());
  EXPECT_EQ(window->size(), QSize(90 * standard.averageCharWidth(), 12 * standard.lineSpacing()));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_EQ(window->drawing().lines().text(), kSmallReportText);
}

TEST_F(ReportWindowTest, PaintsTheHighlightBehindItsRunOnly) {
  drawSmallReport(windows);
  ReportWindow* window = shown();
  const QImage page = window->widget()->grab(QRect(0, 0, 400, 300)).toImage();
  const int large = QFontMetrics(gui::screenFont(gui::kCourierNew, 14)).lineSpacing();
  const int small = QFontMetrics(gui::screenFont(gui::kCourierNew, 9)).lineSpacing();
  // Two title lines in the large face, three body lines in the small one above it.
  const int top = ReportDrawing::kMargin + 2 * large + 3 * small;
  EXPECT_EQ(yellowRows(page), std::make_pair(top, top + small - 1));
  EXPECT_EQ(page.pixel(ReportDrawing::kMargin, top), qRgb(255, 255, 0));
  EXPECT_NE(page.pixel(ReportDrawing::kMargin - 1, top), qRgb(255, 255, 0));
}

TEST(ReportDrawing, TabsInColumnsOfTheCurrentFont) {
  const QFont large = gui::screenFont(gui::kCourierNew, 14);
  const QFont small = gui::screenFont(gui::kCourierNew, 9);
  const qreal largeColumn = QFontMetricsF(large).horizontalAdvance(QLatin1Char('0'));
  const qreal smallColumn = QFontMetricsF(small).horizontalAdvance(QLatin1Char('0'));
  const int largeLine = QFontMetrics(large).lineSpacing();
  const int smallLine = QFontMetrics(small).lineSpacing();
  const qreal margin = ReportDrawing::kMargin;

  ReportDrawing drawing(large, Qt::black, Qt::white);
  drawing.print("RACE");
  drawing.tab(10);
  EXPECT_EQ(drawing.cursor(), QPointF(margin + 9 * largeColumn, margin));
  drawing.newLine();
  drawing.setFont(small);
  drawing.tab(10);
  EXPECT_EQ(drawing.cursor(), QPointF(margin + 9 * smallColumn, margin + largeLine));
  // Ten characters from column 10 end exactly at column 20: no new line.
  drawing.print("0123456789");
  drawing.tab(20);
  EXPECT_EQ(drawing.cursor(), QPointF(margin + 19 * smallColumn, margin + largeLine));
  drawing.print("ONE MORE");
  drawing.tab(25);
  EXPECT_EQ(drawing.cursor(), QPointF(margin + 24 * smallColumn, margin + largeLine + smallLine));
  drawing.tab(0);
  EXPECT_EQ(drawing.cursor(), QPointF(margin, margin + largeLine + 2 * smallLine));
  EXPECT_EQ(drawing.lines().text(),
            "RACE\n"
            "         0123456789ONE MORE\n");
}

struct CanvasCase {
  const char* name;
  int width, height;
  bool across, down;
};

TEST_F(ReportWindowTest, ShowsScrollBarsWhereTheCanvasIsLarger) {
  const CanvasCase cases[] = {
      {"narrower and taller", 40, 1000, false, true},
      {"larger both ways", 2000, 2000, true, true},
      {"smaller both ways", 10, 10, false, false},
      {"wider only", 2000, 10, true, false},
  };
  for (const CanvasCase& c : cases) {
    windows.open("CANVAS", {10, 10, 20, 60});
    windows.setCanvas(c.width, c.height);
    ReportWindow* window = shown();
    EXPECT_EQ(window->horizontalScrollBar()->isVisible(), c.across) << c.name;
    EXPECT_EQ(window->verticalScrollBar()->isVisible(), c.down) << c.name;
    const QSize viewport = window->viewport()->size();
    EXPECT_EQ(window->canvasSize(),
              QSize(std::max(c.width, viewport.width()), std::max(c.height, viewport.height())))
        << c.name;
  }
}

TEST_F(ReportWindowTest, IsClampedToTheScreenAndStillScrolls) {
  windows.open("HUGE", {5000, -300, 1000, 1000});
  windows.setCanvas(2000, 20000);
  ReportWindow* window = shown();
  const QRect available = window->screen()->availableGeometry();
  EXPECT_TRUE(available.contains(window->frameGeometry()));
  EXPECT_TRUE(window->horizontalScrollBar()->isVisible());
  EXPECT_TRUE(window->verticalScrollBar()->isVisible());
}

TEST(PlaceReportWindow, KeepsTheWindowOnTheFreeArea) {
  const QRect available(0, 30, 1000, 700);  // below a panel at the top
  const QMargins frame(4, 20, 4, 4);
  const auto place = [&](int x, int y, int w, int h) {
    return gui::placeReportWindow({x, y, w, h}, frame, available);
  };
  EXPECT_EQ(place(10, 40, 300, 200), QRect(10, 40, 300, 200));
  EXPECT_EQ(place(900, 40, 300, 200), QRect(692, 40, 300, 200));
  EXPECT_EQ(place(10, 600, 300, 200), QRect(10, 506, 300, 200));
  EXPECT_EQ(place(10, 0, 300, 200), QRect(10, 30, 300, 200));
  EXPECT_EQ(place(-50, 40, 300, 200), QRect(0, 40, 300, 200));
  EXPECT_EQ(place(25, 25, 2000, 2000), QRect(0, 30, 992, 676));
}

TEST_F(ReportWindowTest, OffersCopySaveAndPrintOnItsContextMenu) {
  drawSmallReport(windows);
  QWidget* page = shown()->widget();
  QStringList offered;
  auto* timer = new QTimer(qApp);
  QObject::connect(timer, &QTimer::timeout, [&offered, timer] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) return;
    timer->stop();
    timer->deleteLater();
    for (const QAction* action : menu->actions()) {
      offered << action->text() + " " + action->shortcut().toString();
    }
    menu->close();
  });
  timer->start(5);
  QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(20, 20),
                          page->mapToGlobal(QPoint(20, 20)));
  QApplication::sendEvent(page, &click);
  EXPECT_EQ(offered.join(", ").toStdString(),
            "Copy Ctrl+C, Save as text... Ctrl+S, Print... Ctrl+P");
}

TEST_F(ReportWindowTest, CopiesAndSavesTheText) {
  drawSmallReport(windows);
  QApplication::clipboard()->clear();
  QTest::keyClick(shown(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), kSmallReportText);
  QTest::keyClick(shown(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(readFile(savePath), kSmallReportText + "\n");
}

TEST_F(ReportWindowTest, TellsWhenTheTextCannotBeSaved) {
  savePath = folder.file("no such folder/report.txt");
  drawSmallReport(windows);
  std::string told;
  whenModal<QMessageBox>([&](QMessageBox* box) {
    told = box->windowTitle().toStdString() + ": " + box->text().toStdString();
    box->button(QMessageBox::Ok)->click();
  });
  QTest::keyClick(shown(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(told, "KESTRAVO ODDS LINE: CANNOT SAVE THE REPORT TO " + savePath);
}

TEST_F(ReportWindowTest, PrintsToAPdfFilePageByPage) {
  drawLongReport(windows, 300);
  QTest::keyClick(shown(), Qt::Key_P, Qt::ControlModifier);
  const std::string pdf = readFile(pdfPath);
  ASSERT_EQ(pdf.substr(0, 4), "%PDF");
  int pages = 0;
  for (std::size_t at = 0; (at = pdf.find("/Type /Page\n", at)) != std::string::npos; ++at) {
    ++pages;
  }
  EXPECT_GT(pages, 1);
}

TEST_F(ReportWindowTest, KeysScrollTheReport) {
  drawLongReport(windows, 300);
  ReportWindow* window = shown();
  QScrollBar* down = window->verticalScrollBar();
  QScrollBar* across = window->horizontalScrollBar();
  QTest::keyClick(window, Qt::Key_End);
  EXPECT_EQ(down->value(), down->maximum());
  QTest::keyClick(window, Qt::Key_Home);
  EXPECT_EQ(down->value(), 0);
  QTest::keyClick(window, Qt::Key_PageDown);
  EXPECT_EQ(down->value(), down->pageStep());
  QTest::keyClick(window, Qt::Key_Up);
  EXPECT_EQ(down->value(), down->pageStep() - down->singleStep());
  QTest::keyClick(window, Qt::Key_Right);
  EXPECT_EQ(across->value(), across->singleStep());
}

TEST_F(ReportWindowTest, AnEarlierWindowStaysOpenWhenTheNewestCloses) {
  drawSmallReport(windows);
  QPointer<ReportWindow> first = shown();
  drawLongReport(windows, 20);
  QPointer<ReportWindow> second = shown();
  ASSERT_NE(first, second);
  EXPECT_TRUE(first->isVisible());

  windows.closeCurrent();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(second.isNull());
  EXPECT_EQ(windows.current(), nullptr);
  ASSERT_FALSE(first.isNull());
  EXPECT_TRUE(first->isVisible());

  // With the newest closed, drawing and closing reach no other window.
  windows.print("LOST");
  windows.closeCurrent();
  EXPECT_TRUE(first->isVisible());
  EXPECT_EQ(first->drawing().lines().text(), kSmallReportText);
}

TEST_F(ReportWindowTest, ClosingTheMainWindowEndsTheProgramAndItsReports) {
  QWidget main;
  main.show();
  drawSmallReport(windows);
  QPointer<ReportWindow> report = shown();
  // The program's loop ends by itself, or after two seconds with another code.
  QTimer::singleShot(0, &main, &QWidget::close);
  QTimer::singleShot(2000, qApp, [] { QApplication::exit(1); });
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_TRUE(report.isNull() || !report->isVisible());
}

TEST_F(ReportWindowTest, AKeyOrTheCloseBoxEndsTheWait) {
  drawSmallReport(windows);
  windows.waitForKey();
  ReportWindow* keyed = shown();
  QSignalSpy keyedEnd(keyed, &ReportWindow::waitEnded);
  EXPECT_TRUE(keyed->waiting());
  QTest::keyClick(keyed, Qt::Key_Space);
  EXPECT_FALSE(keyed->waiting());
  EXPECT_EQ(keyedEnd.count(), 1);

  drawSmallReport(windows);
  windows.waitForKey();
  ReportWindow* closed = shown();
  QSignalSpy closedEnd(closed, &ReportWindow::waitEnded);
  closed->close();
  EXPECT_EQ(closedEnd.count(), 1);
}

}  // namespace
}  // namespace kestravo::testing
