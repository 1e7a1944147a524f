#include "app/gui/scratch_dialog.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "app/controls.h"
#include "app/gui/fonts.h"
#include "app/gui/report_list_view.h"
#include "app/load_card.h"
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
    owner.setFixedSize(800, 600);
    owner.move(40, 30);
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

TEST_F(ScratchDialogTest, ScratchFileThatCannotBeWrittenIsTold) {
  // A folder where the scratch file should be: the rename over it fails.
  card.scratchFileName = folder.file("blocked.tch");
  std::filesystem::create_directory(card.scratchFileName);
  std::filesystem::create_directory(card.scratchFileName + "/keep");
  ScratchWindow logic(card);
  ScratchDialog dialog(logic, &owner);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  std::string shown;
  whenModal<QMessageBox>([&](QMessageBox* box) {
    shown = box->windowTitle().toStdString() + ": " + box->text().toStdString();
    box->button(QMessageBox::Ok)->click();
  });
  doubleClickRow(list(dialog), 0);
  EXPECT_EQ(shown.rfind("KESTRAVO ODDS LINE: ", 0), 0u) << shown;
  EXPECT_GT(shown.size(), std::string("KESTRAVO ODDS LINE: ").size());
}

}  // namespace
}  // namespace kestravo::testing
