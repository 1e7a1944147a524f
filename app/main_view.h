// What the main command handler needs from whatever draws the main window: labels, the
// lists (whose contents the handler owns), the open-file chooser, message boxes and the
// report window. The Qt window implements it; tests use a recording fake.
#pragma once

#include <string>

namespace kestravo {

class ScratchWindow;

class MainView {
 public:
  virtual ~MainView() = default;

  // Sets FileLabel, RaceLabel or ViewLabel.
  virtual void setLabel(int controlId, const std::string& text) = 0;
  // The handler changed the contents of RacesList, EntriesList or RaceDetailList.
  virtual void listChanged(int controlId) = 0;
  // The selected row of a list (0-based), or -1 when none is selected.
  virtual int selectedRow(int controlId) const = 0;
  // The open-file dialog: the chosen data file's full path, or "" when cancelled. Choosing
  // a file makes its folder the current directory.
  virtual std::string chooseDataFile() = 0;
  virtual void showMessage(const std::string& text, const std::string& caption) = 0;
  virtual void closeReportWindow() = 0;
  // Runs the scratch window modally; returns when the handicapper closes it.
  virtual void runScratchWindow(ScratchWindow& window) = 0;
};

}  // namespace kestravo
