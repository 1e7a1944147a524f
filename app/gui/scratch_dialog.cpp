#include "app/gui/scratch_dialog.h"

#include <QPushButton>
#include <QTimer>

#include "app/controls.h"
#include "app/gui/dialog_template.h"
#include "app/gui/focus_keeper.h"
#include "app/gui/fonts.h"
#include "app/gui/message_box.h"
#include "app/gui/qt_text.h"
#include "app/gui/report_list_view.h"
#include "app/gui/window_placement.h"
#include "app/main_view.h"

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
  if (owner) placeOnScreen(this, owner->mapToGlobal(QPoint(0, 0)) + units.point(kX, kY));

  const auto controls = createControls(this, kControls, units);
  list_ = static_cast<ReportListView*>(controls.at(control::kScratchList));
  list_->setList(logic_.list());
  connect(list_, &ReportListView::doubleClickedAnywhere, this, &ScratchDialog::flipSelected);
  connect(list_, &ReportListView::enterPressed, this, &ScratchDialog::flipSelected);
  auto* save = static_cast<QPushButton*>(controls.at(control::kScratchSave));
  // Enter on the focused button presses it, as Space does.
  save->setAutoDefault(true);
  connect(save, &QPushButton::clicked, this, &QDialog::accept);
  // The keyboard starts in the list, on the race the main window shows.
  list_->setFocus();
  if (logic_.startRow() >= 0) list_->selectRow(logic_.startRow());
  new FocusKeeper(this);
}

void ScratchDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shown_) return;
  shown_ = true;
  // The rows are laid out only now that the window has its size.
  if (logic_.startRow() >= 0) {
    list_->scrollTo(list_->model()->index(logic_.startRow(), 0), QAbstractItemView::PositionAtTop);
  }
  if (!logic_.refusal().empty()) {
    QTimer::singleShot(0, this, [this] { tell(logic_.refusal()); });
  }
}

void ScratchDialog::flipSelected() {
  const std::string error = logic_.doubleClick(list_->firstSelectedRow());
  list_->setList(logic_.list());
  if (!error.empty()) tell(error);
}

void ScratchDialog::tell(const std::string& message) {
  showMessageBox(this, QLatin1String(kMessageCaption), QString::fromLocal8Bit(message));
}

}  // namespace kestravo::gui
