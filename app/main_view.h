// What the main command handler needs from whatever draws the main window: labels, the
// lists (whose contents the handler owns), the open-file chooser, message boxes and the
// report windows. The Qt window implements it; tests use a recording fake and the
// command-line tool a view of text.
#pragma once

#include <string>
#include <vector>

#include "reports/report_canvas.h"

namespace kestravo {

class ScratchWindow;

// The caption of every message box.
inline constexpr const char* kMessageCaption = "KESTRAVO ODDS LINE";

class MainView {
 public:
  virtual ~MainView() = default;

  // Sets FileLabel, RaceLabel or ViewLabel.
  virtual void setLabel(int controlId, const std::string& text) = 0;
  // The handler changed the contents of RacesList, EntriesList or RaceDetailList.
  virtual void listChanged(int controlId) = 0;
  // Sets the pixel widths of a list's first columns; the list shows those columns already.
  // Later lists keep them.
  virtual void setColumnWidths(int controlId, const std::vector<int>& widths) = 0;
  // The selected row of a list (0-based), or -1 when none is selected.
  virtual int selectedRow(int controlId) const = 0;
  // The open-file dialog: the chosen data file's full path, or "" when cancelled. Choosing
  // a file makes its folder the current directory.
  virtual std::string chooseDataFile() = 0;
  // Asks which card of a zip archive holding several to open: one of `names`, or "" when
  // the handicapper cancels.
  virtual std::string chooseCardInArchive(const std::vector<std::string>& names) = 0;
  virtual void showMessage(const std::string& text, const std::string& caption) = 0;
  // What reports draw on: each open starts a new report window, and earlier ones stay.
  virtual ReportCanvas& reportCanvas() = 0;
  // Closes the newest report window if it is still open; earlier ones stay.
  virtual void closeReportWindow() = 0;
  // Runs the scratch window modally; returns when the handicapper closes it.
  virtual void runScratchWindow(ScratchWindow& window) = 0;
  // Opens the value window beside the main window, or brings it forward when it is open.
  virtual void showValueWindow() = 0;
  // The race shown, the card or its figures changed: an open value window shows them anew.
  virtual void valueViewChanged() = 0;
};

}  // namespace kestravo
