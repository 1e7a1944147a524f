#include "app/gui/main_window.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>

#include "app/controls.h"
#include "app/gui/file_chooser.h"
#include "app/gui/focus_keeper.h"
#include "app/gui/fonts.h"
#include "app/gui/lines_model.h"
#include "app/gui/main_layout.h"
#include "app/gui/qt_text.h"
#include "app/gui/report_list_view.h"
#include "app/gui/scratch_dialog.h"

namespace kestravo::gui {

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      units_(DialogUnits::of(dialogFont())),
      commands_(card_, *this),
      chooser_(askForDataFile) {
  setWindowTitle(QLatin1String(MainCommands::kCaption));
  fillBackground(this, kWindowGrey);
  setFixedSize(units_.size(main_layout::kWidth, main_layout::kHeight));
  move(units_.point(main_layout::kX, main_layout::kY));

  controls_ = createControls(this, main_layout::kControls, units_);
  racesList_ = static_cast<QListView*>(controls_.at(control::kRacesList));
  races_ = new LinesModel(this);
  racesList_->setModel(races_);
  listView(control::kEntriesList)->horizontalHeader()->setSectionsClickable(true);
  listChanged(control::kEntriesList);
  listChanged(control::kRaceDetailList);

  connectCommands();
  new FocusKeeper(this);
}

MainWindow::~MainWindow() = default;

void MainWindow::connectCommands() {
  for (const auto& [id, widget] : controls_) {
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
      connect(button, &QPushButton::clicked, this,
              [this, id = id] { commands_.command(id, notify::kClicked); });
    }
  }
  connect(racesList_, &QAbstractItemView::doubleClicked, this, &MainWindow::chooseRaceLine);
  connect(listView(control::kEntriesList)->horizontalHeader(), &QHeaderView::sectionClicked, this,
          [this](int column) { commands_.columnClicked(control::kEntriesList, column); });
}

void MainWindow::chooseRaceLine(const QModelIndex& line) {
  racesList_->setCurrentIndex(line);
  commands_.command(control::kRacesList, notify::kDoubleClicked);
}

ReportListView* MainWindow::listView(int controlId) const {
  return static_cast<ReportListView*>(controls_.at(controlId));
}

void MainWindow::setLabel(int controlId, const std::string& text) {
  static_cast<QLabel*>(controls_.at(controlId))->setText(QString::fromLocal8Bit(text));
}

void MainWindow::listChanged(int controlId) {
  if (controlId == control::kRacesList) {
    races_->setLines(commands_.races());
  } else {
    listView(controlId)->setList(commands_.list(controlId));
  }
}

int MainWindow::selectedRow(int controlId) const {
  if (controlId != control::kRacesList) return listView(controlId)->firstSelectedRow();
  const QModelIndexList selected = racesList_->selectionModel()->selectedRows();
  return selected.isEmpty() ? -1 : selected.constFirst().row();
}

std::string MainWindow::chooseDataFile() {
  const std::string path = chooser_();
  // The scratch file and the next open dialog start from the card's folder.
  if (!path.empty()) QDir::setCurrent(QFileInfo(pathText(path)).absolutePath());
  return path;
}

void MainWindow::showMessage(const std::string& text, const std::string& caption) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromLocal8Bit(caption),
                  QString::fromLocal8Bit(text), QMessageBox::Ok, this);
  box.exec();
}

void MainWindow::closeReportWindow() {
  if (reportWindow_) reportWindow_->close();
}

void MainWindow::runScratchWindow(ScratchWindow& window) {
  ScratchDialog dialog(window, this);
  dialog.exec();
}

}  // namespace kestravo::gui
