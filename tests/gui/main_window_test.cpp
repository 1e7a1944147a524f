#include "app/gui/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <algorithm>

#include "app/controls.h"
#include "app/gui/card_picker.h"
#include "app/gui/fonts.h"
#include "app/gui/message_box.h"
#include "app/gui/report_list_view.h"
#include "app/gui/scratch_dialog.h"
#include "app/gui/window_placement.h"
#include "format/numeric.h"
#include "gui_testing.h"
#include "support/zip_maker.h"

namespace kestravo::testing {
namespace {

using gui::MainWindow;
using gui::ReportListView;

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    startFolder_ = QDir::currentPath();
    window.setFileChooser([this] { return chosen; });
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  }
  void TearDown() override { QDir::setCurrent(startFolder_); }

  QWidget* widget(int id) const { return control<QWidget>(&window, id); }
  std::string label(int id) const { return control<QLabel>(&window, id)->text().toStdString(); }
  ReportListView* list(int id) const { return control<ReportListView>(&window, id); }
  QListView* races() const { return control<QListView>(&window, control::kRacesList); }
  void click(int id) const { QTest::mouseClick(control<QPushButton>(&window, id), Qt::LeftButton); }
  void clickTitle(int column) const {
    QHeaderView* titles = list(control::kEntriesList)->horizontalHeader();
    const QPoint middle(titles->sectionViewportPosition(column) + titles->sectionSize(column) / 2,
                        titles->height() / 2);
    QTest::mouseClick(titles->viewport(), Qt::LeftButton, {}, middle);
  }
  void openSample() {
    chosen = sample.path();
    click(control::kOpenDataFile);
  }
  // Opens the sample and double-clicks the line of race `race`.
  void showRace(int race) {
    openSample();
    doubleClickRow(races(), race - 1);
  }

  SampleCard sample;
  std::string chosen;
  MainWindow window;

 private:
  QString startFolder_;
};

// A window as a window manager frames it: its position is the frame's top-left corner, and
// the frame adds a border of a few pixels and a title bar to its inside.
QRect framed(const QWidget& window) {
  return {window.pos(), window.size().grownBy(QMargins(8, 32, 8, 8))};
}

const QRect kLaptop(0, 0, 1280, 720);

struct Placement {
  int id;
  int x, y, width, height;  // dialog units
};

TEST_F(MainWindowTest, StartsWithAnEmptyCard) {
  EXPECT_EQ(window.windowTitle().toStdString(), "    ZEDRIC'S KESTRAVO ODDS LINE CALCULATOR");
  EXPECT_EQ(label(control::kFileLabel), "RACES WINDOW");
  EXPECT_EQ(label(control::kRaceLabel), "");
  EXPECT_EQ(label(control::kViewLabel), "");
  EXPECT_EQ(races()->model()->rowCount(), 0);
  const QAbstractItemModel& entries = *list(control::kEntriesList)->model();
  EXPECT_EQ(shownTitles(entries),
            (std::vector<std::string>{"RA", "PP", "PRG", "HORSE", "SRLR", "ACL3", "PRIME", "EPLR",
                                      "LPLR", "KOL"}));
  EXPECT_EQ(entries.rowCount(), 0);
  const QAbstractItemModel& detail = *list(control::kRaceDetailList)->model();
  EXPECT_EQ(shownTitles(detail),
            (std::vector<std::string>{"RA", "PP", "PR", "HORSE", "ML", "S", "D", "E1", "E2", "LATE",
                                      "FIN", "FBL", "CLS$", "SPD"}));
  EXPECT_EQ(detail.rowCount(), 0);
}

TEST_F(MainWindowTest, CannotBeResizedOrMaximised) {
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
  EXPECT_EQ(window.size(), window.minimumSize());
  EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(window.windowFlags() & Qt::WindowCloseButtonHint);
}

TEST_F(MainWindowTest, ControlsStandAtTheirDialogUnits) {
  const gui::DialogUnits units = gui::DialogUnits::of(gui::dialogFont());
  const Placement placements[] = {
      {1006, 10, 165, 500, 205}, {1001, 10, 15, 80, 50},  {1002, 10, 80, 80, 50},
      {1005, 100, 15, 410, 150}, {1010, 275, 5, 210, 10}, {1014, 225, 5, 40, 10},
      {1015, 10, 5, 140, 10},
  };
  for (const Placement& p : placements) {
    ASSERT_NE(widget(p.id), nullptr) << p.id;
    EXPECT_EQ(widget(p.id)->geometry(), units.rect(p.x, p.y, p.width, p.height)) << p.id;
  }
  EXPECT_EQ(window.pos(), units.point(50, 50));
  EXPECT_EQ(window.height(), units.y(380));
  EXPECT_GE(window.width(), units.x(523));
}

TEST_F(MainWindowTest, ReportButtonsAndRaceDetailListFitWithoutOverlap) {
  std::vector<int> ids(std::begin(control::kReportCommands), std::end(control::kReportCommands));
  for (int id : ids) {
    ASSERT_NE(control<QPushButton>(&window, id), nullptr) << id;
    const std::string caption = captionOf(widget(id));
    EXPECT_FALSE(caption.empty()) << id;
    EXPECT_EQ(QString::fromStdString(caption).toUpper().toStdString(), caption) << id;
  }
  ids.insert(ids.end(), {1001, 1002, 1005, 1006, 1009, 1010, 1014, 1015});
  for (int a : ids) {
    EXPECT_TRUE(window.rect().contains(widget(a)->geometry())) << a;
    for (int b : ids) {
      if (a >= b) continue;
      EXPECT_FALSE(widget(a)->geometry().intersects(widget(b)->geometry())) << a << " " << b;
    }
  }
}

TEST_F(MainWindowTest, ControlsUseTheirFaces) {
  struct Face {
    int id;
    const char* face;
    int points;
    bool bold;
  };
  const Face faces[] = {
      {1006, "Courier New", 11, false},   {1009, "Courier New", 11, false},
      {1005, "Courier New", 11, true},    {1001, "MS Sans Serif", 10, false},
      {1002, "MS Sans Serif", 10, false}, {1010, "MS Sans Serif", 10, false},
      {1014, "MS Sans Serif", 10, false}, {1015, "MS Sans Serif", 10, false},
      {1003, "MS Sans Serif", 10, false}, {1107, "MS Sans Serif", 10, false},
  };
  const QStringList installed = QFontDatabase::families();
  for (const Face& f : faces) {
    const QFontInfo shown(widget(f.id)->font());
    EXPECT_EQ(shown.family(), gui::pickFamily(f.face, installed)) << f.id;
    EXPECT_EQ(shown.pointSize(), f.points) << f.id;
    EXPECT_EQ(shown.bold(), f.bold) << f.id;
  }
  EXPECT_EQ(control<QLabel>(&window, 1014)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
  EXPECT_EQ(control<QLabel>(&window, 1010)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
  EXPECT_EQ(control<QLabel>(&window, 1015)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
}

TEST_F(MainWindowTest, GreyWindowAndLabelsWhiteLists) {
  const QColor grey(220, 220, 220);
  EXPECT_EQ(window.palette().color(QPalette::Window), grey);
  EXPECT_TRUE(window.autoFillBackground());
  for (int id : {1010, 1014, 1015}) {
    EXPECT_EQ(widget(id)->palette().color(QPalette::Window), grey) << id;
  }
  const QPalette entries = list(control::kEntriesList)->palette();
  EXPECT_EQ(entries.color(QPalette::Base), QColor(Qt::white));
  EXPECT_EQ(entries.color(QPalette::Text), QColor(Qt::black));
  EXPECT_TRUE(list(control::kEntriesList)->showGrid());
  EXPECT_EQ(list(control::kEntriesList)->selectionBehavior(), QAbstractItemView::SelectRows);
}

TEST_F(MainWindowTest, ColumnsHaveTheirWidthsAndAlignments) {
  struct Column {
    int id;
    int column;
    int width;
    Qt::Alignment alignment;
  };
  const Column columns[] = {
      {1006, 0, 25, Qt::AlignLeft},     {1006, 1, 25, Qt::AlignRight},
      {1006, 2, 30, Qt::AlignRight},    {1006, 3, 146, Qt::AlignLeft},
      {1006, 4, 45, Qt::AlignRight},    {1006, 9, 45, Qt::AlignRight},
      {1009, 0, 20, Qt::AlignLeft},     {1009, 1, 20, Qt::AlignRight},
      {1009, 2, 20, Qt::AlignRight},    {1009, 3, 106, Qt::AlignLeft},
      {1009, 4, 40, Qt::AlignHCenter},  {1009, 5, 30, Qt::AlignHCenter},
      {1009, 6, 40, Qt::AlignHCenter},  {1009, 7, 34, Qt::AlignHCenter},
      {1009, 8, 33, Qt::AlignHCenter},  {1009, 9, 38, Qt::AlignHCenter},
      {1009, 10, 33, Qt::AlignHCenter}, {1009, 11, 43, Qt::AlignHCenter},
      {1009, 13, 43, Qt::AlignHCenter},
  };
  for (const Column& c : columns) {
    ReportListView* view = list(c.id);
    EXPECT_EQ(view->horizontalHeader()->sectionSize(c.column), c.width) << c.id << " " << c.column;
    const auto align = Qt::Alignment(
        view->model()->headerData(c.column, Qt::Horizontal, Qt::TextAlignmentRole).toInt());
    EXPECT_EQ(align & Qt::AlignHorizontal_Mask, c.alignment) << c.id << " " << c.column;
  }
}

TEST_F(MainWindowTest, OpeningACardListsItsRaces) {
  openSample();
  const Card card = sample.load();
  ASSERT_GT(card.raceCount, 1);
  std::vector<std::string> lines;
  for (int r = 1; r <= card.raceCount; ++r)
    lines.push_back(card.raceLine[static_cast<std::size_t>(r)]);
  EXPECT_EQ(shownColumn(*races()->model(), 0), lines);
  EXPECT_EQ(label(control::kFileLabel), "KSV1208.DRF");
  EXPECT_EQ(label(control::kRaceLabel), "");
  EXPECT_EQ(label(control::kViewLabel), "OPEN A DATA FILE");
  EXPECT_EQ(QDir::current(), QDir(QString::fromStdString(sample.folder().path().string())));
}

TEST_F(MainWindowTest, DoubleClickedRaceLineShowsItsEntries) {
  openSample();
  clickRow(races(), 0);
  doubleClickRow(races(), 2);
  EXPECT_EQ(window.selectedRow(control::kRacesList), 2);
  EXPECT_EQ(label(control::kRaceLabel), "R3");
  EXPECT_EQ(label(control::kViewLabel), "RACE VIEW");
  const Card card = sample.load();
  const std::vector<TextRow> entries = raceEntryRows(card, " 3");
  ASSERT_FALSE(entries.empty());
  EXPECT_EQ(shownRows(*list(control::kEntriesList)->model()), entries);
  EXPECT_EQ(shownRows(*list(control::kRaceDetailList)->model()), raceDetailRows(card, " 3"));
}

TEST_F(MainWindowTest, TitleClicksSortAscendingThenDescending) {
  showRace(1);
  const QAbstractItemModel& entries = *list(control::kEntriesList)->model();
  const auto values = [&](int column) {
    std::vector<long double> v;
    for (const std::string& cell : shownColumn(entries, column)) v.push_back(numericValue(cell));
    return v;
  };
  std::vector<TextRow> before = shownRows(entries);
  ASSERT_FALSE(std::is_sorted(values(4).begin(), values(4).end()));

  clickTitle(4);  // SRLR
  const std::vector<long double> srlr = values(4);
  EXPECT_TRUE(std::is_sorted(srlr.begin(), srlr.end()));
  clickTitle(6);  // PRIME
  const std::vector<long double> prime = values(6);
  EXPECT_TRUE(std::is_sorted(prime.rbegin(), prime.rend()));
  EXPECT_NE(prime.front(), prime.back());

  std::vector<TextRow> after = shownRows(entries);
  std::sort(before.begin(), before.end());
  std::sort(after.begin(), after.end());
  EXPECT_EQ(after, before);
}

TEST_F(MainWindowTest, CancelledOpenTellsAndLeavesAnEmptyCard) {
  showRace(1);
  ASSERT_GT(list(control::kEntriesList)->model()->rowCount(), 0);
  chosen.clear();
  std::string shown;
  whenModal<QMessageBox>([&](QMessageBox* box) {
    shown = box->windowTitle().toStdString() + ": " + box->text().toStdString();
    box->button(QMessageBox::Ok)->click();
  });
  click(control::kOpenDataFile);
  EXPECT_EQ(shown, "KESTRAVO ODDS LINE: LOAD A DATA FILE");
  EXPECT_EQ(races()->model()->rowCount(), 0);
  EXPECT_EQ(list(control::kEntriesList)->model()->rowCount(), 0);
  EXPECT_EQ(list(control::kRaceDetailList)->model()->rowCount(), 0);
  EXPECT_EQ(label(control::kFileLabel), "");
}

TEST_F(MainWindowTest, ScratchingAHorseDropsItAndRecomputesTheOddsLine) {
  showRace(1);
  const QAbstractItemModel& entries = *list(control::kEntriesList)->model();
  const std::vector<std::string> kolBefore = shownColumn(entries, 9);
  // The favourite: its points go to the others, so their prices move.
  const auto shortest = std::min_element(
      kolBefore.begin(), kolBefore.end(),
      [](const std::string& a, const std::string& b) { return numericValue(a) < numericValue(b); });
  const int favourite = static_cast<int>(shortest - kolBefore.begin());
  ASSERT_GT(numericValue(*shortest), 0) << "no odds line on the card";
  const std::string horse = entries.index(favourite, 3).data().toString().toStdString();
  const std::string post = entries.index(favourite, 1).data().toString().toStdString();

  std::string markShown;
  whenModal<gui::ScratchDialog>([&](gui::ScratchDialog* dialog) {
    auto* scratchList = control<ReportListView>(dialog, control::kScratchList);
    const QAbstractItemModel& rows = *scratchList->model();
    for (int r = 0; r < rows.rowCount(); ++r) {
      if (rows.index(r, 0).data().toString() == " 1" &&
          rows.index(r, 1).data().toString().toStdString() == post) {
        doubleClickRow(scratchList, r);
        markShown = rows.index(r, 4).data().toString().toStdString();
        break;
      }
    }
    QTest::mouseClick(control<QPushButton>(dialog, control::kScratchSave), Qt::LeftButton);
  });
  click(control::kScratch);

  EXPECT_EQ(markShown, "S");
  EXPECT_EQ(label(control::kViewLabel), "SCRATCH WINDOW");
  const std::vector<std::string> horses = shownColumn(entries, 3);
  EXPECT_EQ(std::count(horses.begin(), horses.end(), horse), 0) << horse;
  EXPECT_EQ(horses.size() + 1, kolBefore.size());
  const Card card = sample.load();  // reads the scratch file the window wrote
  EXPECT_EQ(shownRows(entries), raceEntryRows(card, " 1"));
  EXPECT_EQ(shownRows(*list(control::kRaceDetailList)->model()), raceDetailRows(card, " 1"));
  std::vector<std::string> kolStaying = kolBefore;
  kolStaying.erase(kolStaying.begin() + favourite);
  EXPECT_NE(shownColumn(entries, 9), kolStaying);
}

TEST_F(MainWindowTest, KeepsTheFocusedControlAcrossAnotherWindow) {
  QWidget other;
  other.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  widget(control::kScratch)->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), widget(control::kScratch));

  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  // Something moves the focus of the inactive window; coming back undoes it.
  widget(control::kEntriesList)->setFocus();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  EXPECT_EQ(QApplication::focusWidget(), widget(control::kScratch));
}

TEST_F(MainWindowTest, TabWalksTheControlsAndLeavesEveryList) {
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  widget(control::kEntriesList)->setFocus();
  std::vector<int> walk;
  for (int step = 0; step < 30; ++step) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    const int id = QApplication::focusWidget()->objectName().toInt();
    if (id == control::kEntriesList) break;
    walk.push_back(id);
  }
  // One stop a list; the buttons of the chosen race, then the angles row by row.
  EXPECT_EQ(walk, (std::vector<int>{control::kOpenDataFile, control::kScratch, control::kRacesList,
                                    1003, 1102, 1104, 1106, 1110, 1107, 1016, 1070, 1071, 1072,
                                    1074, 1076, 1101, 1103, control::kRaceDetailList}));
  widget(control::kOpenDataFile)->setFocus();
  QTest::keyClick(widget(control::kOpenDataFile), Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), widget(control::kEntriesList));
}

TEST_F(MainWindowTest, ArrowsPickARaceLineAndEnterChoosesIt) {
  openSample();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  races()->setFocus();
  QTest::keyClick(races(), Qt::Key_Home);
  QTest::keyClick(races(), Qt::Key_Down);
  QTest::keyClick(races(), Qt::Key_Down);
  QTest::keyClick(races(), Qt::Key_Enter);
  EXPECT_EQ(label(control::kRaceLabel), "R3");
  EXPECT_EQ(shownRows(*list(control::kEntriesList)->model()), raceEntryRows(sample.load(), " 3"));

  ReportListView* entries = list(control::kEntriesList);
  entries->setFocus();
  QTest::keyClick(entries, Qt::Key_Down);
  const int first = entries->firstSelectedRow();
  ASSERT_GE(first, 0);
  QTest::keyClick(entries, Qt::Key_Down);
  EXPECT_EQ(entries->firstSelectedRow(), first + 1);
  EXPECT_EQ(entries->selectionModel()->selectedRows().size(), 1);
  EXPECT_EQ(QApplication::focusWidget(), entries);
}

TEST_F(MainWindowTest, FitsALaptopScreenFrameAndAll) {
  EXPECT_TRUE(kLaptop.contains(framed(window)))
      << framed(window).right() << " x " << framed(window).bottom();
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    EXPECT_TRUE(window.rect().contains(button->geometry())) << captionOf(button);
    // Every line of the caption stands whole inside the button's frame.
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect inside =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const QStringList lines = button->text().split(QLatin1Char('\n'));
    const QFontMetrics metrics(button->font());
    EXPECT_LE(metrics.height() * lines.size(), inside.height()) << captionOf(button);
    for (const QString& line : lines) {
      EXPECT_LE(metrics.horizontalAdvance(line), inside.width()) << line.toStdString();
    }
  }
  // RaceDetailList is narrower than its columns and scrolls sideways.
  showRace(1);
  ReportListView* detail = list(control::kRaceDetailList);
  QApplication::processEvents();
  EXPECT_GT(detail->horizontalHeader()->length(), detail->viewport()->width());
  EXPECT_GT(detail->horizontalScrollBar()->maximum(), 0);
}

TEST_F(MainWindowTest, AnArchiveOfSeveralCardsAsksWhichToOpen) {
  const std::string zip = (sample.folder().path() / "week.zip").string();
  const std::string other = testing::CardBuilder().entry(1, 1, "OTHER").text();
  ASSERT_TRUE(testing::writeZip(
      zip, {{"KSV1208.DRF", testing::readFile(sample.path())}, {"B.drf", other}}));
  std::vector<std::string> offered;
  window.setArchiveCardChooser([&offered](const std::vector<std::string>& names) {
    offered = names;
    return names.front();
  });
  chosen = zip;
  click(control::kOpenDataFile);
  EXPECT_EQ(offered, (std::vector<std::string>{"KSV1208.DRF", "B.drf"}));
  EXPECT_EQ(label(control::kFileLabel), "KSV1208.DRF (week.zip)");
  EXPECT_EQ(races()->model()->rowCount(), sample.load().raceCount);
}

TEST(CardPicker, ListsTheNamesAndGivesTheOneChosen) {
  const std::vector<std::string> names = {"KSV1208.DRF", "day/B.drf", "C.PCS"};
  whenModal<gui::CardPicker>([](gui::CardPicker* picker) {
    EXPECT_EQ(picker->windowTitle().toStdString(), "CHOOSE A DATA FILE");
    EXPECT_EQ(picker->list()->count(), 3);
    EXPECT_EQ(picker->list()->currentRow(), 0);
    picker->list()->setCurrentRow(1);
    picker->accept();
  });
  EXPECT_EQ(gui::askForCardInArchive(names, nullptr), "day/B.drf");
  whenModal<gui::CardPicker>([](gui::CardPicker* picker) {
    QTest::keyClick(picker->list(), Qt::Key_Down);
    QTest::keyClick(picker->list(), Qt::Key_Down);
    QTest::keyClick(picker->list(), Qt::Key_Return);
  });
  EXPECT_EQ(gui::askForCardInArchive(names, nullptr), "C.PCS");
  whenModal<gui::CardPicker>([](gui::CardPicker* picker) { picker->reject(); });
  EXPECT_EQ(gui::askForCardInArchive(names, nullptr), "");
}

// What a spreadsheet gets from Copy: titles and rows, cells joined by tabs, a line each.
std::string tabLines(const std::vector<std::string>& titles, const std::vector<TextRow>& rows) {
  const auto line = [](const TextRow& cells) {
    std::string text;
    for (std::size_t c = 0; c < cells.size(); ++c) text += (c > 0 ? "\t" : "") + cells[c];
    return text + '\n';
  };
  std::string text = line(titles);
  for (const TextRow& row : rows) text += line(row);
  return text;
}

std::string clipboardText() {
  return QGuiApplication::clipboard()->text().toLatin1().toStdString();
}

QAction* copyAction(const QWidget* list) {
  for (QAction* action : list->actions()) {
    if (action->text() == "Copy") return action;
  }
  return nullptr;
}

TEST_F(MainWindowTest, CopyPutsTheSelectedRowsOrAllOnTheClipboard) {
  showRace(1);
  const Card card = sample.load();
  const std::vector<TextRow> entries = raceEntryRows(card, " 1");
  const std::vector<TextRow> detail = raceDetailRows(card, " 1");
  ASSERT_GT(entries.size(), 3u);
  ReportListView* entriesList = list(control::kEntriesList);
  ReportListView* detailList = list(control::kRaceDetailList);
  const std::vector<std::string> entryTitles = shownTitles(*entriesList->model());

  // Rows 3 and 1 chosen in that order are copied in list order.
  clickRow(entriesList, 2);
  QTest::mouseClick(entriesList->viewport(), Qt::LeftButton, Qt::ControlModifier,
                    entriesList->visualRect(entriesList->model()->index(0, 0)).center());
  QTest::keyClick(entriesList, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(clipboardText(), tabLines(entryTitles, {entries[0], entries[2]}));

  entriesList->clearSelection();
  ASSERT_NE(copyAction(entriesList), nullptr);
  EXPECT_EQ(entriesList->contextMenuPolicy(), Qt::ActionsContextMenu);
  copyAction(entriesList)->trigger();
  EXPECT_EQ(clipboardText(), tabLines(entryTitles, entries));

  clickRow(detailList, 1);
  QTest::keyClick(detailList, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(clipboardText(), tabLines(shownTitles(*detailList->model()), {detail[1]}));

  // The statistics layout: its 22 columns, every row.
  click(control::kStatistics);
  const QAbstractItemModel& stats = *entriesList->model();
  ASSERT_EQ(stats.columnCount(), 22);
  copyAction(entriesList)->trigger();
  EXPECT_EQ(clipboardText(), tabLines(shownTitles(stats), shownRows(stats)));
}

TEST(WindowPlacement, StandsWholeOnTheScreenOrAtLeastItsTopLeftCorner) {
  struct Case {
    const char* name;
    QPoint wanted;
    QSize frame;
    QRect available;
    QPoint placed;
  };
  const Case cases[] = {
      {"fits where it should stand", {75, 75}, {1201, 610}, {0, 0, 1280, 720}, {75, 75}},
      {"moves up to fit", {180, 180}, {458, 717}, {0, 0, 1280, 720}, {180, 3}},
      {"moves left and up below a top panel", {75, 75}, {1201, 610}, {0, 27, 1240, 650}, {39, 67}},
      {"too wide and too tall: top-left on screen",
       {75, 75},
       {1201, 610},
       {0, 0, 1024, 600},
       {0, 0}},
      {"on a screen to the right", {1355, 75}, {1201, 610}, {1280, 0, 1920, 1200}, {1355, 75}},
      {"left of the screen", {-300, 40}, {400, 300}, {0, 0, 1280, 720}, {0, 40}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(gui::placeWithin(c.wanted, c.frame, c.available), c.placed) << c.name;
  }
}

TEST_F(MainWindowTest, TheRaceDetailListFollowsATitleSortRowForRow) {
  showRace(3);
  const QAbstractItemModel& entries = *list(control::kEntriesList)->model();
  const QAbstractItemModel& detail = *list(control::kRaceDetailList)->model();
  for (int column : {9, 4, 6}) {  // KOL, SRLR, PRIME
    clickTitle(column);
    EXPECT_EQ(shownColumn(detail, 3), shownColumn(entries, 3)) << column;
    EXPECT_EQ(shownColumn(detail, 1), shownColumn(entries, 1)) << column;
  }
  const std::vector<TextRow> fileOrder = raceEntryRows(sample.load(), " 3");
  ASSERT_FALSE(fileOrder.empty());
  EXPECT_NE(shownColumn(entries, 3).front(), fileOrder.front()[3]) << "the sort moved nothing";
}

TEST_F(MainWindowTest, CutCellsEndInAnEllipsisAndNumbersKeepClearOfTheNextColumn) {
  showRace(3);
  ReportListView* entries = list(control::kEntriesList);
  const QAbstractItemModel& rows = *entries->model();
  for (int r = 0; r < rows.rowCount(); ++r) {
    // LPLR keeps a gap a reader can see before KOL; a KOL price is never cut.
    const gui::CellText lplr = entries->shownCell(rows.index(r, 8));
    EXPECT_FALSE(lplr.cut);
    EXPECT_GE(lplr.right, 4) << lplr.text.toStdString();
    const gui::CellText kol = entries->shownCell(rows.index(r, 9));
    EXPECT_FALSE(kol.cut) << kol.text.toStdString();
    EXPECT_EQ(kol.text, rows.index(r, 9).data().toString().trimmed());
  }
  const QFont font = entries->font();
  struct Case {
    const char* text;
    int width;
    Qt::Alignment alignment;
    const char* shown;  // empty when the text is cut
  };
  const Case cases[] = {
      {"100-1", 44, Qt::AlignRight, "100-1"},
      {"3.5-1", 44, Qt::AlignRight, "3.5-1"},
      {" 81", 44, Qt::AlignRight, "81"},
      {"  0", 44, Qt::AlignRight, "0"},
      {"Gilded Dreamer", 99, Qt::AlignLeft, ""},
      {"Gilded Dream", 107, Qt::AlignLeft, "Gilded Dream"},
      {"12345", 19, Qt::AlignRight, ""},
  };
  for (const Case& c : cases) {
    const QString text = QString::fromUtf8(c.text);
    const gui::CellText cell = gui::fitCellText(text, font, c.width, c.alignment);
    const bool cut = *c.shown == '\0';
    EXPECT_EQ(cell.cut, cut) << c.text;
    if (cut) {
      ASSERT_TRUE(cell.text.endsWith(QChar(0x2026))) << c.text;
      EXPECT_TRUE(text.startsWith(cell.text.chopped(1))) << c.text;
      EXPECT_GT(cell.text.size(), 1) << c.text;
    } else {
      EXPECT_EQ(cell.text.toStdString(), c.shown) << c.text;
    }
    EXPECT_LE(QFontMetrics(cell.font).horizontalAdvance(cell.text) + cell.left + cell.right,
              c.width)
        << c.text;
  }
}

TEST_F(MainWindowTest, EveryColumnTitleStandsWhole) {
  showRace(1);
  expectTitlesWhole(*list(control::kEntriesList)->horizontalHeader());
  expectTitlesWhole(*list(control::kRaceDetailList)->horizontalHeader());
}

TEST_F(MainWindowTest, EveryButtonCanBePressed) {
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    EXPECT_TRUE(button->isEnabled()) << captionOf(button);
  }
  EXPECT_EQ(window.findChildren<QPushButton*>().size(), std::size(control::kReportCommands) + 2);
}

TEST_F(MainWindowTest, TheScratchWindowOpensAtTheRaceShownAndFitsTheLaptop) {
  showRace(3);
  const Card card = sample.load();
  int firstOfRace = -1;
  for (int h = 1; h <= card.entryCount() && firstOfRace < 0; ++h) {
    if (raceOf(card.matrix, h) == 3) firstOfRace = h - 1;
  }
  ASSERT_GT(firstOfRace, 0);
  int topRow = -1;
  int selected = -1;
  QRect frame;
  int focused = 0;
  whenModal<gui::ScratchDialog>([&](gui::ScratchDialog* dialog) {
    auto* scratchList = control<ReportListView>(dialog, control::kScratchList);
    QApplication::processEvents();
    topRow = scratchList->indexAt(QPoint(2, 2)).row();
    selected = scratchList->firstSelectedRow();
    frame = framed(*dialog);
    focused = QApplication::focusWidget()->objectName().toInt();
    QTest::mouseClick(control<QPushButton>(dialog, control::kScratchSave), Qt::LeftButton);
  });
  click(control::kScratch);
  EXPECT_EQ(topRow, firstOfRace);
  EXPECT_EQ(selected, firstOfRace);
  EXPECT_EQ(focused, control::kScratchList);
  EXPECT_TRUE(kLaptop.contains(frame)) << frame.top() << " " << frame.bottom();
}

TEST_F(MainWindowTest, MessageBoxesShowTheirCaptionWhole) {
  chosen.clear();
  int width = 0;
  whenModal<QMessageBox>([&](QMessageBox* box) {
    width = box->width();
    box->button(QMessageBox::Ok)->click();
  });
  click(control::kOpenDataFile);
  // The caption in a bold title face, beside a title bar's close, minimise and other buttons.
  QFont title = QApplication::font();
  title.setBold(true);
  EXPECT_GE(width, QFontMetrics(title).horizontalAdvance("KESTRAVO ODDS LINE") + 3 * 24);
  EXPECT_GE(width, gui::captionRoom("KESTRAVO ODDS LINE"));
}

}  // namespace
}  // namespace kestravo::testing
