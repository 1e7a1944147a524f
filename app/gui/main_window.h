// The main window: the races of the opened card, the entries of the chosen race with their
// ratings and odds-line prices, and the buttons of every command. What the commands do is
// the command handler's; the window only shows its labels and lists and passes the clicks.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <string>

#include "app/gui/dialog_units.h"
#include "app/gui/report_windows.h"
#include "app/gui/value_window.h"
#include "app/main_commands.h"
#include "app/main_view.h"
#include "card/card.h"

class QLabel;
class QListView;

namespace kestravo::gui {

class LinesModel;
class ReportListView;

class MainWindow : public QWidget, public MainView {
  Q_OBJECT

 public:
  // Returns the chosen data file's full path, or "" when cancelled.
  using FileChooser = std::function<std::string()>;
  // Returns the card chosen among the names of a zip archive's cards, or "" when cancelled.
  using ArchiveCardChooser = std::function<std::string(const std::vector<std::string>&)>;

  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  // Replaces the open-file dialog, e.g. to open a card without asking.
  void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }
  // Replaces the list with which the window asks which card of an archive to open.
  void setArchiveCardChooser(ArchiveCardChooser chooser) { cardChooser_ = std::move(chooser); }
  // Replaces the dialogs with which report windows ask where to save and how to print.
  void setReportDialogs(ReportDialogs dialogs) { reports_.setDialogs(std::move(dialogs)); }

  const Card& card() const { return card_; }
  const MainCommands& commands() const { return commands_; }
  const DialogUnits& units() const { return units_; }
  const ReportWindows& reports() const { return reports_; }

  // MainView
  void setLabel(int controlId, const std::string& text) override;
  void listChanged(int controlId) override;
  void setColumnWidths(int controlId, const std::vector<int>& widths) override;
  int selectedRow(int controlId) const override;
  std::string chooseDataFile() override;
  std::string chooseCardInArchive(const std::vector<std::string>& names) override;
  void showMessage(const std::string& text, const std::string& caption) override;
  ReportCanvas& reportCanvas() override { return reports_; }
  void closeReportWindow() override;
  void runScratchWindow(ScratchWindow& window) override;
  void showValueWindow() override;
  void valueViewChanged() override;

  // The value window, or null when it was never opened or has been closed.
  ValueWindow* valueWindow() const { return valueWindow_; }

 private:
  void connectCommands();
  void chooseRaceLine(const QModelIndex& line);
  // Enter on a races-list line chooses that race, as a double-click does.
  bool eventFilter(QObject* watched, QEvent* event) override;
  ReportListView* listView(int controlId) const;

  DialogUnits units_;
  Card card_;
  MainCommands commands_;
  FileChooser chooser_;
  ArchiveCardChooser cardChooser_;
  std::map<int, QWidget*> controls_;
  QListView* racesList_ = nullptr;
  LinesModel* races_ = nullptr;
  ReportWindows reports_;
  QPointer<ValueWindow> valueWindow_;
};

}  // namespace kestravo::gui
