// The report canvas of the desktop program: every report opens a window of its own, and
// the windows of earlier reports stay open beside it. The newest one is the report window
// the commands draw on and close.
#pragma once

#include <QPointer>

#include "app/gui/report_keeping.h"
#include "app/gui/report_window.h"
#include "reports/report_canvas.h"

namespace kestravo::gui {

class ReportWindows : public ReportCanvas {
 public:
  explicit ReportWindows(ReportDialogs dialogs = ReportDialogs::standard())
      : dialogs_(std::move(dialogs)) {}

  // The dialogs of the windows opened from now on.
  void setDialogs(ReportDialogs dialogs) { dialogs_ = std::move(dialogs); }

  // Shows a new window and makes it the drawing target.
  void open(const std::string& caption, const ReportGeometry& geometry) override;
  // These draw on the newest window; once the handicapper has closed it they do nothing.
  void setFont(const ReportFont& font) override;
  void setCanvas(int width, int height) override;
  void setColours(ReportColour text, ReportColour background) override;
  void print(std::string_view text) override;
  void tab(int column) override;
  void newLine() override;
  void waitForKey() override;

  // The newest window, or null once it is closed.
  ReportWindow* current() const { return current_; }
  // Closes the newest window if it is still open; earlier ones stay.
  void closeCurrent();

 private:
  ReportDialogs dialogs_;
  QPointer<ReportWindow> current_;
};

}  // namespace kestravo::gui
