#include "app/gui/scratch_dialog.h"

#include <QMessageBox>
#include <QPushButton>

#include "app/controls.h"
#include "app/gui/dialog_template.h"
#include "app/gui/focus_keeper.h"
#include "app/gui/fonts.h"
#include "app/gui/qt_text.h"
#include "app/main_commands.h"

namespace kestravo::gui {

namespace {

constexpr int kX = 70;  // dialog units from the inside of the main window
constexpr int kY = 70;
constexpr int kWidth = 295;
constexpr int kHeight = 451;

constexpr ColumnLayout kColumns[] = {
    {40, Qt::AlignLeft},  {30, Qt::AlignLeft}, {30, Qt::AlignLeft},
    {100, Qt::AlignLeft}, {60, Qt::AlignLeft},
};

constexpr ControlLayout kControls[] = {
    {control::kScratchSave, ControlKind::kButton, ScratchWindow::kSaveButtonText, 15, 370, 265, 70,
     FontKind::kCourier12},
    {control::kScratchList, ControlKind::kListView, "Listview2", 15, 10, 265, 350,
     FontKind::kCourier11, Qt::AlignLeft, kColumns},
};

}  // namespace

ScratchDialog::ScratchDialog(ScratchWindow& logic, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), logic_(logic) {
  const DialogUnits units = DialogUnits::of(dialogFont());
  setWindowTitle(QLatin1String(ScratchWindow::kCaption));
  setModal(true);
  fillBackground(this, kWindowGrey);
  setFixedSize(units.size(kWidth, kHeight));
  if (owner) move(owner->mapToGlobal(QPoint(0, 0)) + units.point(kX, kY));

  const auto controls = createControls(this, kControls, units);
  list_ = static_cast<ReportListView*>(controls.at(control::kScratchList));
  list_->setList(logic_.list());
  connect(list_, &ReportListView::doubleClickedAnywhere, this, &ScratchDialog::flipSelected);
  connect(static_cast<QPushButton*>(controls.at(control::kScratchSave)), &QPushButton::clicked,
          this, &QDialog::accept);
  new FocusKeeper(this);
}

void ScratchDialog::flipSelected() {
  const std::string error = logic_.doubleClick(list_->firstSelectedRow());
  list_->setList(logic_.list());
  if (!error.empty()) {
    QMessageBox box(QMessageBox::NoIcon, QLatin1String(MainCommands::kMessageCaption),
                    QString::fromLocal8Bit(error), QMessageBox::Ok, this);
    box.exec();
  }
}

}  // namespace kestravo::gui
