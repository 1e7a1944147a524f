// The report buttons of the main window on the sample card: every report opens its own
// window with its caption and size, the angle and statistics buttons fill EntriesList, the
// commands that close a report window close only the newest, a report can be copied, saved
// and printed, and the main window goes on answering.
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QListView>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "app/controls.h"
#include "app/gui/main_window.h"
#include "app/gui/qt_text.h"
#include "app/gui/report_list_view.h"
#include "app/gui/report_window.h"
#include "app/statistics_list.h"
#include "gui_testing.h"

namespace kestravo::testing {
namespace {

using gui::MainWindow;
using gui::ReportListView;
using gui::ReportWindow;

class ReportButtonsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    startFolder_ = QDir::currentPath();
    window.setFileChooser([this] { return sample.path(); });
    window.setReportDialogs({[this](QWidget*, const QString&) { return gui::pathText(savePath); },
                             [this](QWidget*, QPrinter& printer) {
                               printer.setOutputFormat(QPrinter::PdfFormat);
                               printer.setOutputFileName(gui::pathText(pdfPath));
                               return true;
                             }});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  }
  void TearDown() override {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (qobject_cast<ReportWindow*>(widget)) widget->close();
    }
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QDir::setCurrent(startFolder_);
  }

  void press(int id) {
    QTest::mouseClick(control<QPushButton>(&window, id), Qt::LeftButton);
    QApplication::processEvents();
  }
  void chooseRace(int race) {
    doubleClickRow(control<QListView>(&window, control::kRacesList), race - 1);
  }
  std::string label(int id) const { return control<QLabel>(&window, id)->text().toStdString(); }
  ReportListView* entries() const {
    return control<ReportListView>(&window, control::kEntriesList);
  }
  std::vector<int> entryWidths() const {
    std::vector<int> widths;
    const QHeaderView* titles = entries()->horizontalHeader();
    for (int c = 0; c < titles->count(); ++c) widths.push_back(titles->sectionSize(c));
    return widths;
  }
  std::string golden(const std::string& name) const {
    return readFile(std::string(KESTRAVO_SOURCE_DIR) + "/tests/cli/golden/" + name);
  }

  SampleCard sample;
  std::string savePath = sample.folder().file("report.txt");
  std::string pdfPath = sample.folder().file("report.pdf");
  MainWindow window;

 private:
  QString startFolder_;
};

struct ReportCase {
  int button;
  int blanks;
  const char* literal;
  ReportGeometry geometry;
  QSize canvas;
};

// The window has the size in rows and columns of its standard font that the report asks
// for; a dimension the laptop screen cannot hold is cut to the screen.
void expectSized(const ReportWindow& w, const ReportCase& c) {
  const QFontMetrics standard(w.font());
  const QSize wanted(c.geometry.columns * standard.averageCharWidth(),
                     c.geometry.rows * standard.lineSpacing());
  const QRect free = w.screen()->availableGeometry();
  EXPECT_TRUE(free.contains(w.frameGeometry())) << c.literal;
  const int room = 100;  // more than any frame
  const bool wide = wanted.width() + room > free.width();
  const bool tall = wanted.height() + room > free.height();
  if (wide) {
    EXPECT_LT(w.width(), wanted.width()) << c.literal;
  } else {
    EXPECT_EQ(w.width(), wanted.width()) << c.literal;
  }
  if (tall) {
    EXPECT_LT(w.height(), wanted.height()) << c.literal;
  } else {
    EXPECT_EQ(w.height(), wanted.height()) << c.literal;
  }
  const QSize view = w.viewport()->size();
  EXPECT_EQ(w.canvasSize(), QSize(std::max(c.canvas.width(), view.width()),
                                  std::max(c.canvas.height(), view.height())))
      << c.literal;
}

TEST_F(ReportButtonsTest, EveryButtonDoesItsWorkAndTheMainWindowStillAnswers) {
  TesterFailures failures;
  QAbstractItemModelTester tester(entries()->model(),
                                  QAbstractItemModelTester::FailureReportingMode::Warning);
  press(control::kOpenDataFile);
  chooseRace(1);
  ASSERT_EQ(label(control::kRaceLabel), "R1");
  const Card card = sample.load();

  // The reports, each in a window of its own beside the earlier ones.
  const ReportCase reports[] = {
      {control::kRaceView, 77, "PAST PERFORMANCES", {1, 1, 69, 250}, {2000, 20000}},
      {control::kKeyTrainerStats, 77, "KEY TRAINER STATS", {25, 25, 69, 190}, {2000, 2000}},
      {control::kHorseRecords, 77, "HORSE RECORDS", {10, 10, 69, 250}, {2000, 20000}},
      {control::kUncoupledTrainers, 51, "UNCOUPLED TRAINERS", {400, 150, 20, 150}, {40, 1000}},
  };
  std::vector<QPointer<ReportWindow>> opened;
  for (const ReportCase& c : reports) {
    press(c.button);
    ReportWindow* w = window.reports().current();
    ASSERT_NE(w, nullptr) << c.literal;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w)) << c.literal;
    EXPECT_EQ(w->windowTitle().toStdString(),
              "KSV1208.DRF" + std::string(static_cast<std::size_t>(c.blanks), ' ') + c.literal);
    expectSized(*w, c);
    opened.emplace_back(w);
  }
  EXPECT_EQ(label(control::kViewLabel), "UNCOUPLED TRAINERS");
  EXPECT_EQ(entries()->model()->rowCount(), 58);
  for (const QPointer<ReportWindow>& w : opened) EXPECT_TRUE(w && w->isVisible());

  // The key-trainer report as a handicapper keeps it: copied, saved and printed.
  ReportWindow* keyTrainer = opened[1];
  keyTrainer->copyText();
  const std::string expected = golden("KSV1208.report-keytrainer.race1.txt");
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString() + '\n', expected);
  keyTrainer->saveAsText();
  EXPECT_EQ(readFile(savePath), expected);
  keyTrainer->printReport();
  EXPECT_EQ(readFile(pdfPath).substr(0, 5), "%PDF-");

  // A closing angle closes the newest report window only; the others do not close.
  press(control::kVulnerableFavorite);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(opened[3].isNull());
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(opened[static_cast<std::size_t>(i)]->isVisible()) << i;
  EXPECT_EQ(label(control::kViewLabel), "VULNERABLE FAVORITE");
  for (int id : {control::kLowestWeight, control::kTrainerJockey, control::kFirstTimeMaiden,
                 control::kBestWorkouts, control::kBreak, control::kPowerPlay, control::kFormula}) {
    press(id);
    EXPECT_EQ(window.commands().screen().viewLabel, label(control::kViewLabel)) << id;
    EXPECT_EQ(shownTitles(*entries()->model()), entriesListTitles()) << id;
    EXPECT_EQ(shownRows(*entries()->model()), window.commands().list(control::kEntriesList).rows)
        << id;
  }
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(opened[static_cast<std::size_t>(i)]->isVisible()) << i;

  // The statistics list: 22 columns at their widths.
  press(control::kStatistics);
  EXPECT_EQ(label(control::kViewLabel), "APV  F23  RR  SEL");
  EXPECT_EQ(shownTitles(*entries()->model()), statisticsListTitles());
  EXPECT_EQ(entryWidths(), statisticsListWidths());
  EXPECT_EQ(entries()->model()->rowCount(), static_cast<int>(raceEntryRows(card, " 1").size()));
  EXPECT_EQ(entries()->model()->index(0, 19).data(Qt::TextAlignmentRole).toInt(),
            (Qt::AlignRight | Qt::AlignVCenter).toInt());

  // Another race: ten columns again, at the widths the statistics list left.
  chooseRace(2);
  EXPECT_EQ(label(control::kRaceLabel), "R2");
  EXPECT_EQ(label(control::kViewLabel), "RACE VIEW");
  EXPECT_EQ(shownRows(*entries()->model()), raceEntryRows(card, " 2"));
  EXPECT_EQ(shownTitles(*entries()->model()), entriesListTitles());
  const std::vector<int> stats = statisticsListWidths();
  EXPECT_EQ(entryWidths(), std::vector<int>(stats.begin(), stats.begin() + 10));
  EXPECT_EQ(TesterFailures::messages(), std::vector<std::string>{});
}

}  // namespace
}  // namespace kestravo::testing
