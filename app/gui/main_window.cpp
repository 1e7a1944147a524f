#include "app/gui/main_window.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>

#include "app/controls.h"
#include "app/gui/card_picker.h"
#include "app/gui/file_chooser.h"
#include "app/gui/focus_keeper.h"
#include "app/gui/fonts.h"
#include "app/gui/lines_model.h"
#include "app/gui/main_layout.h"
#include "app/gui/message_box.h"
#include "app/gui/qt_text.h"
#include "app/gui/report_list_view.h"
#include "app/gui/scratch_dialog.h"
#include "app/gui/value_window.h"
#include "app/gui/window_placement.h"

namespace kestravo::gui {

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      units_(DialogUnits::of(dialogFont())),
      commands_(card_, *this),
      chooser_(askForDataFile),
      cardChooser_([this](const std::vector<std::string>& names) {
        return askForCardInArchive(names, this);
      }) {
  setWindowTitle(QLatin1String(MainCommands::kCaption));
  fillBackground(this, kWindowGrey);
  setFixedSize(units_.size(main_layout::kWidth, main_layout::kHeight));
  placeOnScreen(this, units_.point(main_layout::kX, main_layout::kY));

  controls_ = createControls(this, main_layout::kControls, units_);
  racesList_ = static_cast<QListView*>(controls_.at(control::kRacesList));
  races_ = new LinesModel(this);
  racesList_->setModel(races_);
  listView(control::kEntriesList)->horizontalHeader()->setSectionsClickable(true);
  listView(control::kEntriesList)->enableCopy();
  listView(control::kRaceDetailList)->enableCopy();
  listChanged(control::kEntriesList);
  listChanged(control::kRaceDetailList);

  connectCommands();
  new FocusKeeper(this);
}

MainWindow::~MainWindow() = default;

void MainWindow::connectCommands() {
  for (const auto& [id, widget] : controls_) {
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
      // A control without a command could not be pressed; every button has one.
      button->setEnabled(MainCommands::hasCommand(id));
      connect(button, &QPushButton::clicked, this,
              [this, id = id] { commands_.command(id, notify::kClicked); });
    }
  }
  connect(racesList_, &QAbstractItemView::doubleClicked, this, &MainWindow::chooseRaceLine);
  racesList_->installEventFilter(this);
  ReportListView* entries = listView(control::kEntriesList);
  connect(entries->horizontalHeader(), &QHeaderView::sectionClicked, this,
          [this](int column) { commands_.columnClicked(control::kEntriesList, column); });
  // The two lists show the same horses row for row, so they scroll together.
  QScrollBar* entriesRows = entries->verticalScrollBar();
  QScrollBar* detailRows = listView(control::kRaceDetailList)->verticalScrollBar();
  connect(entriesRows, &QScrollBar::valueChanged, detailRows, &QScrollBar::setValue);
  connect(detailRows, &QScrollBar::valueChanged, entriesRows, &QScrollBar::setValue);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == racesList_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
        racesList_->currentIndex().isValid()) {
      chooseRaceLine(racesList_->currentIndex());
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
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

std::string MainWindow::chooseCardInArchive(const std::vector<std::string>& names) {
  return cardChooser_(names);
}

void MainWindow::showMessage(const std::string& text, const std::string& caption) {
  showMessageBox(this, QString::fromLocal8Bit(caption), QString::fromLocal8Bit(text));
}

void MainWindow::setColumnWidths(int controlId, const std::vector<int>& widths) {
  listView(controlId)->setColumnWidths(widths);
}

void MainWindow::closeReportWindow() { reports_.closeCurrent(); }

void MainWindow::runScratchWindow(ScratchWindow& window) {
  ScratchDialog dialog(window, this);
  dialog.exec();
}

void MainWindow::showValueWindow() {
  if (!valueWindow_) {
    valueWindow_ = new ValueWindow(commands_, this);
    valueWindow_->setAttribute(Qt::WA_DeleteOnClose);
  }
  valueWindow_->refresh();
  valueWindow_->show();
  valueWindow_->raise();
  valueWindow_->activateWindow();
}

void MainWindow::valueViewChanged() {
  if (valueWindow_) valueWindow_->refresh();
}

}  // namespace kestravo::gui
