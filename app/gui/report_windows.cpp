#include "app/gui/report_windows.h"

#include "reports/padding.h"

namespace kestravo::gui {

void ReportWindows::open(const std::string& caption, const ReportGeometry& geometry) {
  // The caption starts with the data file's name, which is in the system's encoding.
  current_ = new ReportWindow(QString::fromLocal8Bit(caption), geometry, dialogs_);
  current_->show();
}

void ReportWindows::setFont(const ReportFont& font) {
  if (current_) current_->setReportFont(font);
}

void ReportWindows::setCanvas(int width, int height) {
  if (current_) current_->setCanvas(width, height);
}

void ReportWindows::setColours(ReportColour text, ReportColour background) {
  if (current_) current_->setColours(text, background);
}

void ReportWindows::print(std::string_view text) {
  if (current_) current_->print(oneLine(text));
}

void ReportWindows::tab(int column) {
  if (current_) current_->tab(column);
}

void ReportWindows::newLine() {
  if (current_) current_->newLine();
}

void ReportWindows::waitForKey() {
  if (current_) current_->waitForKey();
}

void ReportWindows::closeCurrent() {
  if (current_ && current_->isVisible()) current_->close();
}

}  // namespace kestravo::gui
