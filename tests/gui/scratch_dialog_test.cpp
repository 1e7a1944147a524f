#include "app/gui/scratch_dialog.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QToolTip>
#include <filesystem>

#include "app/controls.h"
#include "app/gui/fonts.h"
#include "app/gui/report_list_view.h"
#include "app/load_card.h"
#include "card/data_file.h"
#include "card/scratch_file.h"
#include "gui_testing.h"

namespace kestravo::testing {
namespace {

using gui::ReportListView;
using gui::ScratchDialog;

// Race 1 has a coupled entry: two horses share post position 2.
std::string smallCard() {
  CardBuilder b;
  b.entry(1, 1, "FIRST LIGHT").set(43, "1");
  b.entry(1, 2, "SECOND WIND").set(43, "2");
  b.entry(1, 2, "SECOND TWIN").set(43, "2A");
  b.entry(2, 1, "LAST CALL").set(43, "1");
  return b.text();
}

class ScratchDialogTest : public ::testing::Test {
 protected:
  ScratchDialogTest() {
    card.dataFilePath = folder.write("KSV0101.DRF", smallCard());
    loadCard(card);
    // On the desk screen, tall enough for the scratch window at its place.
    owner.setFixedSize(800, 600);
    owner.move(1320, 30);
    owner.show();
  }

  ReportListView* list(const ScratchDialog& dialog) const {
    return control<ReportListView>(&dialog, control::kScratchList);
  }
  std::vector<std::string> marks(const ScratchDialog& dialog) const {
    return shownColumn(*list(dialog)->model(), 4);
  }
  std::string scratchFile() const { return readFile(card.scratchFileName); }

  TempFolder folder;
  Card card;
  QWidget owner;
};

TEST_F(ScratchDialogTest, LooksAsTheScratchWindow) {
  ScratchWindow logic(card);
  ScratchDialog dialog(logic, &owner);
  const gui::DialogUnits units = gui::DialogUnits::of(gui::dialogFont());
  EXPECT_EQ(dialog.windowTitle().toStdString(),
            "SCRATCH WINDOW                                  DOUBLE CLICK TO SCRATCH/UNSCRATCH");
  EXPECT_TRUE(dialog.isModal());
  EXPECT_EQ(dialog.parentWidget(), &owner);
  EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(dialog.windowFlags() & Qt::WindowSystemMenuHint);
  EXPECT_EQ(dialog.minimumSize(), units.size(295, 451));
  EXPECT_EQ(dialog.maximumSize(), units.size(295, 451));
  EXPECT_EQ(dialog.pos(), owner.mapToGlobal(QPoint(0, 0)) + units.point(70, 70));
  EXPECT_EQ(dialog.palette().color(QPalette::Window), QColor(220, 220, 220));

  auto* save = control<QPushButton>(&dialog, control::kScratchSave);
  ASSERT_NE(save, nullptr);
  EXPECT_EQ(captionOf(save), "SAVE AND CLOSE SCRATCH WINDOW");
  EXPECT_EQ(save->geometry(), units.rect(15, 370, 265, 70));
  EXPECT_EQ(QFontInfo(save->font()).family(),
            gui::pickFamily("Courier New", QFontDatabase::families()));
  EXPECT_EQ(QFontInfo(save->font()).pointSize(), 12);

  ReportListView* view = list(dialog);
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->geometry(), units.rect(15, 10, 265, 350));
  EXPECT_EQ(QFontInfo(view->font()).pointSize(), 11);
  EXPECT_EQ(view->palette().color(QPalette::Base), QColor(Qt::white));
  EXPECT_TRUE(view->showGrid());
  EXPECT_EQ(shownTitles(*view->model()),
            (std::vector<std::string>{"RACE", "PP", "PR", "HORSE", "SCRATCH"}));
  const int widths[] = {40, 30, 30, 100, 60};
  for (int c = 0; c < 5; ++c) {
    EXPECT_EQ(view->horizontalHeader()->sectionSize(c), widths[c]) << c;
    EXPECT_EQ(
        view->model()->index(0, c).data(Qt::TextAlignmentRole).toInt() & Qt::AlignHorizontal_Mask,
        Qt::AlignLeft)
        << c;
  }
}

TEST_F(ScratchDialogTest, ListsEveryEntryScratchedOrNot) {
  card.scratchTable.setField(3, scratch::kMark, "S");
  ScratchWindow logic(card);
  ScratchDialog dialog(logic, &owner);
  EXPECT_EQ(shownRows(*list(dialog)->model()),
            (std::vector<TextRow>{{" 1", " 1", "1", "FIRST LIGHT", ""},
                                  {" 1", " 2", "2", "SECOND WIND", ""},
                                  {" 1", " 2", "2A", "SECOND TWIN", "S"},
                                  {" 2", " 1", "1", "LAST CALL", ""}}));
}

TEST_F(ScratchDialogTest, DoubleClickFlipsTheMarkOnScreenAndInTheFile) {
  ScratchWindow logic(card);
  ScratchDialog dialog(logic, &owner);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  const std::string fileBefore = scratchFile();

  doubleClickRow(list(dialog), 1);
  EXPECT_EQ(marks(dialog), (std::vector<std::string>{"", "S", "S", ""}));
  EXPECT_EQ(readScratchTable(scratchFile(), 4).field(2, scratch::kMark), "S");
  EXPECT_EQ(readScratchTable(scratchFile(), 4).field(3, scratch::kMark), "S");
  EXPECT_EQ(list(dialog)->firstSelectedRow(), 1);

  doubleClickRow(list(dialog), 1);
  EXPECT_EQ(marks(dialog), (std::vector<std::string>{"", "", "", ""}));
  EXPECT_EQ(scratchFile(), fileBefore);
}

TEST_F(ScratchDialogTest, DoubleClickBelowTheRowsFlipsNothing) {
  ScratchWindow logic(card);
  ScratchDialog dialog(logic, &owner);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  ReportListView* view = list(dialog);
  clickRow(view, 0);
  ASSERT_EQ(view->firstSelectedRow(), 0);
  doubleClickAt(view->viewport(), QPoint(20, view->viewport()->height() - 5));
  EXPECT_EQ(view->firstSelectedRow(), -1);
  EXPECT_EQ(marks(dialog), (std::vector<std::string>{"", "", "", ""}));
}

TEST_F(ScratchDialogTest, OnlyTheSaveButtonEndsIt) {
  ScratchWindow logic(card);
  ScratchDialog dialog(logic, &owner);
  bool openAfterEscapeAndClose = false;
  QTimer::singleShot(0, &dialog, [&] {
    QTest::keyClick(&dialog, Qt::Key_Escape);
    dialog.close();
    QApplication::processEvents();
    openAfterEscapeAndClose = dialog.isVisible();
    QTest::mouseClick(control<QPushButton>(&dialog, control::kScratchSave), Qt::LeftButton);
  });
  EXPECT_EQ(dialog.exec(), QDialog::Accepted);
  EXPECT_TRUE(openAfterEscapeAndClose);
}

TEST_F(ScratchDialogTest, AFlipThatCannotBeSavedIsUndoneAndTold) {
  // A folder where the scratch file should be: it cannot be replaced.
  card.scratchFileName = folder.file("blocked.tch");
  std::filesystem::create_directory(card.scratchFileName);
  ScratchWindow logic(card);
  ScratchDialog dialog(logic, &owner);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  std::string shown;
  std::vector<std::string> marksWhileTold;
  whenModal<QMessageBox>([&](QMessageBox* box) {
    shown = box->windowTitle().toStdString() + ": " + box->text().toStdString();
    marksWhileTold = marks(dialog);
    box->button(QMessageBox::Ok)->click();
  });
  doubleClickRow(list(dialog), 0);
  const std::string told =
      "KESTRAVO ODDS LINE: NOT SAVED - THE MARK IS BACK AS IT WAS. "
      "CANNOT WRITE THE SCRATCH FILE " +
      card.scratchFileName + ": IS A DIRECTORY";
  EXPECT_EQ(shown, told);
  EXPECT_EQ(marksWhileTold, (std::vector<std::string>{"", "", "", ""}));
  EXPECT_EQ(marks(dialog), (std::vector<std::string>{"", "", "", ""}));
}

TEST_F(ScratchDialogTest, AnUnreadableScratchFileIsToldAtOnceAndNeverRewritten) {
  // Marks the load could not see, in a file larger than a scratch file may be.
  std::string marks = "\"\",\"\",\"1\",\"1\",\"1\",\"FIRST LIGHT\",\"S\"\r\n";
  marks.resize(kMaxDataFileBytes + 1, ' ');
  folder.write("KSV0101.tch", marks);
  loadCard(card);
  ScratchWindow logic(card);
  ScratchDialog dialog(logic, &owner);
  std::vector<std::string> told;
  const auto answer = [&](QMessageBox* box) {
    told.push_back(box->text().toStdString());
    box->button(QMessageBox::Ok)->click();
  };
  whenModal<QMessageBox>(answer);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !told.empty(); }));
  whenModal<QMessageBox>(answer);
  doubleClickRow(list(dialog), 1);
  ASSERT_EQ(told.size(), 2u);
  EXPECT_EQ(told[0], logic.refusal());
  EXPECT_EQ(told[1], logic.refusal());
  EXPECT_NE(told[0].find("CANNOT BE READ"), std::string::npos);
  EXPECT_EQ(shownColumn(*list(dialog)->model(), 3),
            (std::vector<std::string>{"FIRST LIGHT", "SECOND WIND", "SECOND TWIN", "LAST CALL"}));
  EXPECT_EQ(this->marks(dialog), (std::vector<std::string>{"", "", "", ""}));
  EXPECT_TRUE(scratchFile() == marks) << "the scratch file was changed";
}

TEST_F(ScratchDialogTest, TheKeyboardFlipsAndReachesTheSaveButton) {
  ScratchWindow logic(card, " 1");
  ScratchDialog dialog(logic, &owner);
  bool accepted = false;
  std::vector<std::vector<std::string>> seen;
  QTimer::singleShot(0, &dialog, [&] {
    ReportListView* view = list(dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    ASSERT_EQ(QApplication::focusWidget(), view);
    EXPECT_EQ(view->firstSelectedRow(), 0);
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Return);  // the coupled pair at post 2 flips together
    seen.push_back(marks(dialog));
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Space);
    seen.push_back(marks(dialog));
    QTest::keyClick(view, Qt::Key_Tab);
    auto* save = control<QPushButton>(&dialog, control::kScratchSave);
    EXPECT_EQ(QApplication::focusWidget(), save);
    QTest::keyClick(save, Qt::Key_Space);
    accepted = !dialog.isVisible();
  });
  EXPECT_EQ(dialog.exec(), QDialog::Accepted);
  EXPECT_TRUE(accepted);
  EXPECT_EQ(seen, (std::vector<std::vector<std::string>>{{"", "S", "S", ""}, {"", "S", "S", "S"}}));
  EXPECT_EQ(readScratchTable(scratchFile(), 4).field(4, scratch::kMark), "S");
}

TEST_F(ScratchDialogTest, ALongNameEndsInAnEllipsisAndShowsWholeInATooltip) {
  TempFolder other;
  Card named;
  named.dataFilePath = other.write(
      "KSV0202.DRF",
      CardBuilder().entry(1, 1, "GILDED DREAMER OF THE NORTH").entry(1, 2, "LAST CALL").text());
  loadCard(named);
  ScratchWindow logic(named);
  ScratchDialog dialog(logic, &owner);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  ReportListView* view = list(dialog);
  const QModelIndex longName = view->model()->index(0, 3);
  const gui::CellText cell = view->shownCell(longName);
  EXPECT_TRUE(cell.cut);
  EXPECT_TRUE(cell.text.endsWith(QChar(0x2026))) << cell.text.toStdString();
  EXPECT_TRUE(QString("GILDED DREAMER OF THE NORTH").startsWith(cell.text.chopped(1)));
  EXPECT_FALSE(view->shownCell(view->model()->index(1, 3)).cut);

  const auto tooltipAt = [&](const QModelIndex& index) {
    const QPoint at = view->visualRect(index).center();
    QHelpEvent help(QEvent::ToolTip, at, view->viewport()->mapToGlobal(at));
    QApplication::sendEvent(view->viewport(), &help);
    return QToolTip::isVisible() ? QToolTip::text().toStdString() : std::string();
  };
  EXPECT_EQ(tooltipAt(view->model()->index(1, 3)), "");
  EXPECT_EQ(tooltipAt(longName), "GILDED DREAMER OF THE NORTH");
  QToolTip::hideText();

  // Every title stands whole, SCRATCH included, in the column widths of the window.
  expectTitlesWhole(*view->horizontalHeader());
}

}  // namespace
}  // namespace kestravo::testing
