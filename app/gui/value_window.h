// The value window: the race shown in the main window with its fair prices against the
// morning line and the odds the handicapper types from the board, so the overlays stand
// out. It stays open beside the main window, follows every race choice and is computed
// again after every change of scratches; the odds typed hold for the card open.
#pragma once

#include <QWidget>

#include "app/main_commands.h"

class QTableView;

namespace kestravo::gui {

class NumericSortProxy;
class ValueModel;

class ValueWindow : public QWidget {
  Q_OBJECT

 public:
  // A window of its own that closes with `owner`.
  ValueWindow(MainCommands& commands, QWidget* owner);

  // Shows the race shown and the typed odds anew.
  void refresh();

  QTableView* table() const { return table_; }
  const ValueModel& model() const { return *model_; }

 private:
  void tellRefusal(const QString& why);

  MainCommands& commands_;
  ValueModel* model_;
  NumericSortProxy* sorted_;
  QTableView* table_;
};

}  // namespace kestravo::gui
