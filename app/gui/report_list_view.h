// The report-style lists (EntriesList, RaceDetailList, ScratchList): titled columns of
// fixed pixel widths, grid lines, whole-row selection, black on white.
#pragma once

#include <QTableView>
#include <span>

#include "app/gui/text_list_model.h"
#include "app/text_list.h"

namespace kestravo::gui {

struct ColumnLayout {
  int width;  // pixels
  Qt::Alignment alignment;
};

class ReportListView : public QTableView {
  Q_OBJECT

 public:
  ReportListView(std::span<const ColumnLayout> columns, QWidget* parent);

  // Shows `list`. Columns that appear for the first time get their width from the column
  // table; columns already shown keep the width they have.
  void setList(const TextList& list);
  const TextListModel& listModel() const { return *model_; }

  // The first selected row in list order, or -1 when none is selected.
  int firstSelectedRow() const;

 signals:
  // A double-click anywhere in the rows area, after it has selected what it hit; a
  // double-click below the last row leaves nothing selected.
  void doubleClickedAnywhere();

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // One text line a row, as the list font needs.
  void fitRowsToFont();

  std::span<const ColumnLayout> columns_;
  TextListModel* model_;
};

}  // namespace kestravo::gui
