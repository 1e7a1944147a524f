// The scratch window: every entry of the card with its scratch mark. A double-click, or
// Enter or Space, flips a horse's mark in the scratch file at once; the window ends only
// through its save button, after which the command handler recomputes the whole card.
#pragma once

#include <QDialog>

#include "app/scratch_window.h"

namespace kestravo::gui {

class ReportListView;

class ScratchDialog : public QDialog {
  Q_OBJECT

 public:
  // Modal over `owner`, placed relative to the inside of the owner.
  ScratchDialog(ScratchWindow& logic, QWidget* owner);

  // Escape and the window system's close requests do not end the window: the marks are
  // saved as they flip, and leaving always goes through the recomputation.
  void reject() override {}

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void flipSelected();
  void tell(const std::string& message);

  ScratchWindow& logic_;
  ReportListView* list_;
  bool shown_ = false;
};

}  // namespace kestravo::gui
