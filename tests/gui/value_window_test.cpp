#include "app/gui/value_window.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <algorithm>

#include "app/controls.h"
#include "app/gui/main_window.h"
#include "app/gui/report_list_view.h"
#include "app/gui/scratch_dialog.h"
#include "app/gui/value_model.h"
#include "format/numeric.h"
#include "gui_testing.h"

namespace kestravo::testing {
namespace {

constexpr int kLive = static_cast<int>(ValueColumn::kLive);
constexpr int kFair = static_cast<int>(ValueColumn::kFair);

class ValueWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    startFolder_ = QDir::currentPath();
    window.setFileChooser([this] { return sample.path(); });
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  }
  void TearDown() override { QDir::setCurrent(startFolder_); }

  void click(int id) const { QTest::mouseClick(control<QPushButton>(&window, id), Qt::LeftButton); }
  void chooseRace(int race) {
    doubleClickRow(control<QListView>(&window, control::kRacesList), race - 1);
  }
  // Opens the sample, shows race `race` and presses VALUE.
  gui::ValueWindow* openAt(int race) {
    click(control::kOpenDataFile);
    chooseRace(race);
    click(control::kValue);
    return window.valueWindow();
  }
  QTableView* table() const { return window.valueWindow()->table(); }
  std::vector<TextRow> shown() const { return shownRows(*table()->model()); }
  // The value view of `race` as a fresh load of the files computes it.
  std::vector<TextRow> expected(const std::string& race, const LiveOdds& live = {}) const {
    return valueView(sample.load().matrix, race, live).list.rows;
  }
  // Types `text` into the LIVE cell of shown row `row`: its first key opens the editor on
  // the cell, as on any cell of LIVE, and Enter ends the edit.
  void typeLive(int row, const QString& text) {
    QTableView* view = table();
    view->setCurrentIndex(view->model()->index(row, kLive));
    QTest::keyClicks(view, text.left(1));
    // An editor closed before waits to be deleted; the open one is shown.
    QLineEdit* editor = nullptr;
    for (QLineEdit* e : view->findChildren<QLineEdit*>()) {
      if (e->isVisible()) editor = e;
    }
    ASSERT_NE(editor, nullptr) << "no editor opened";
    QTest::keyClicks(editor, text.mid(1));
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
  }

  SampleCard sample;
  gui::MainWindow window;

 private:
  QString startFolder_;
};

TEST_F(ValueWindowTest, ShowsTheRaceShownAndFollowsEveryRaceChoice) {
  gui::ValueWindow* value = openAt(1);
  ASSERT_NE(value, nullptr);
  EXPECT_TRUE(value->isVisible());
  EXPECT_FALSE(value->isModal());
  TesterFailures failures;
  QAbstractItemModelTester tester(table()->model(),
                                  QAbstractItemModelTester::FailureReportingMode::Warning);
  EXPECT_EQ(shownTitles(*table()->model()), valueViewTitles());
  ASSERT_GT(shown().size(), 2u);
  EXPECT_EQ(shown(), expected(" 1"));
  EXPECT_EQ(value->windowTitle().toStdString(), "KSV1208.DRF   VALUE   R1");

  chooseRace(3);
  EXPECT_EQ(shown(), expected(" 3"));
  EXPECT_EQ(value->windowTitle().toStdString(), "KSV1208.DRF   VALUE   R3");
  // The main window stays usable, and VALUE again brings the same window forward.
  click(control::kValue);
  EXPECT_EQ(window.valueWindow(), value);
  click(control::kOpenDataFile);
  EXPECT_EQ(shown(), expected("0"));  // no race chosen: the LINE row alone
  EXPECT_EQ(TesterFailures::messages(), std::vector<std::string>{});
}

TEST_F(ValueWindowTest, TypedOddsCountAndRefusedOddsChangeNothing) {
  openAt(1);
  const std::vector<int> rows = valueView(sample.load().matrix, " 1", {}).rows;
  ASSERT_GT(rows.size(), 2u);
  typeLive(0, "50-1");
  typeLive(1, "EVEN");
  const LiveOdds typed{{rows[0], 50.0L}, {rows[1], 1.0L}};
  EXPECT_EQ(shown(), expected(" 1", typed));
  EXPECT_EQ(shown()[0][kLive], "50.0");

  std::string told;
  whenModal<QMessageBox>([&told](QMessageBox* box) {
    told = box->windowTitle().toStdString() + ": " + box->text().toStdString();
    box->button(QMessageBox::Ok)->click();
  });
  typeLive(0, "abc");
  for (int wait = 0; wait < 200 && told.empty(); ++wait) QTest::qWait(10);
  EXPECT_EQ(told.rfind("KESTRAVO ODDS LINE: \"abc\" ARE NOT ODDS: TYPE THEM AS ", 0), 0u) << told;
  EXPECT_EQ(shown(), expected(" 1", typed));

  // A blank cell takes typed odds back.
  typeLive(1, " ");
  EXPECT_EQ(shown(), expected(" 1", {{rows[0], 50.0L}}));
  EXPECT_FALSE(
      table()->model()->flags(table()->model()->index(static_cast<int>(rows.size()), kLive)) &
      Qt::ItemIsEditable)
      << "the LINE row";
}

TEST_F(ValueWindowTest, OverlaysStandOutInTheirOwnColour) {
  openAt(1);
  typeLive(0, "99-1");
  const QAbstractItemModel& model = *table()->model();
  int overlays = 0;
  for (int r = 0; r < model.rowCount(); ++r) {
    const bool overlay = model.index(r, static_cast<int>(ValueColumn::kValue)).data() == "OVERLAY";
    overlays += overlay;
    for (int c = 0; c < model.columnCount(); ++c) {
      const QVariant background = model.index(r, c).data(Qt::BackgroundRole);
      if (overlay) {
        EXPECT_EQ(background.value<QColor>(), gui::kOverlayColour) << r << " " << c;
      } else {
        EXPECT_FALSE(background.isValid()) << r << " " << c;
      }
    }
  }
  EXPECT_GE(overlays, 1);
  EXPECT_LT(overlays, model.rowCount() - 1);
}

// A title click sorts by the number each cell reads as, ascending then descending; the
// LINE row stays at the foot.
TEST_F(ValueWindowTest, SortsByNumberWithTheLineRowAtTheFoot) {
  openAt(3);
  const std::vector<TextRow> cardOrder = shown();
  QHeaderView* titles = table()->horizontalHeader();
  const auto fairValues = [this] {
    std::vector<long double> v;
    for (const std::string& cell : shownColumn(*table()->model(), kFair)) {
      v.push_back(numericValue(cell));
    }
    return v;
  };
  const QPoint fair(titles->sectionViewportPosition(kFair) + titles->sectionSize(kFair) / 2,
                    titles->height() / 2);
  QTest::mouseClick(titles->viewport(), Qt::LeftButton, {}, fair);
  std::vector<long double> up = fairValues();
  EXPECT_EQ(shown().back(), cardOrder.back());
  up.pop_back();
  EXPECT_TRUE(std::is_sorted(up.begin(), up.end()));
  EXPECT_NE(up.front(), up.back());
  QTest::mouseClick(titles->viewport(), Qt::LeftButton, {}, fair);
  std::vector<long double> down = fairValues();
  EXPECT_EQ(shown().back(), cardOrder.back());
  down.pop_back();
  EXPECT_TRUE(std::is_sorted(down.rbegin(), down.rend()));
}

TEST_F(ValueWindowTest, IsComputedAgainAfterTheScratchWindowSaves) {
  openAt(1);
  const std::vector<int> rows = valueView(sample.load().matrix, " 1", {}).rows;
  typeLive(1, "12-1");
  const std::vector<TextRow> before = shown();
  // Scratch the first horse of the race.
  whenModal<gui::ScratchDialog>([](gui::ScratchDialog* dialog) {
    auto* scratchList = control<gui::ReportListView>(dialog, control::kScratchList);
    const QAbstractItemModel& marks = *scratchList->model();
    for (int r = 0; r < marks.rowCount(); ++r) {
      if (marks.index(r, 0).data().toString() == " 1") {
        doubleClickRow(scratchList, r);
        break;
      }
    }
    QTest::mouseClick(control<QPushButton>(dialog, control::kScratchSave), Qt::LeftButton);
  });
  click(control::kScratch);
  const std::vector<TextRow> after = shown();
  EXPECT_EQ(after.size() + 1, before.size());
  EXPECT_EQ(after, expected(" 1", {{rows[1], 12.0L}}));
  EXPECT_NE(after.front()[2], before.front()[2]) << "the scratched horse stays";
  EXPECT_NE(after.back()[kFair], before.back()[kFair]) << "the line did not move";
}

}  // namespace
}  // namespace kestravo::testing
