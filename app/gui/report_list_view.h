// The report-style lists (EntriesList, RaceDetailList, ScratchList): titled columns of
// fixed pixel widths, grid lines, whole-row selection, black on white. One stop in the
// window's tab order: the arrow keys move the selection, Enter or Space acts on it.
#pragma once

#include <QFont>
#include <QTableView>
#include <span>
#include <string>
#include <vector>

#include "app/gui/text_list_model.h"
#include "app/text_list.h"

namespace kestravo::gui {

struct ColumnLayout {
  int width;  // pixels
  Qt::Alignment alignment;
};

// How a cell text stands in a cell `width` pixels wide. A text a pixel or two too wide is
// drawn with its letters a pixel closer ("3.5-1" in a KOL column of 45 pixels); a longer one
// is cut with an ellipsis. The text keeps off the cell's edges as far as room allows, and a
// right-aligned number keeps a wider gap on its right, so it stands clear of the next
// column's text. Leading blanks of a right-aligned text (the mask's padding) are not drawn.
struct CellText {
  QString text;
  QFont font;
  int left = 0;  // pixels kept free on each side
  int right = 0;
  bool cut = false;
};
CellText fitCellText(const QString& text, const QFont& font, int width, Qt::Alignment alignment);

// The font a column title is drawn in to stand whole in `width` pixels: `font` itself when
// the title fits, else with its letters drawn closer together (by at most two pixels).
QFont titleFontToFit(const QFont& font, const QString& title, int width);

class ReportListView : public QTableView {
  Q_OBJECT

 public:
  // `beyond` aligns the columns past the table.
  ReportListView(std::span<const ColumnLayout> columns, Qt::Alignment beyond, QWidget* parent);

  // Shows `list`. Columns that appear for the first time get their width from the column
  // table; columns already shown keep the width they have.
  void setList(const TextList& list);
  // Gives the first columns these pixel widths; later lists keep them.
  void setColumnWidths(const std::vector<int>& widths);
  const TextListModel& listModel() const { return *model_; }

  // The first selected row in list order, or -1 when none is selected.
  int firstSelectedRow() const;

  // Lets Ctrl+C and the context menu's Copy put the list on the clipboard for a
  // spreadsheet: the titles, then the selected rows, or every row when none is selected,
  // as tab-separated text.
  void enableCopy();
  // What Copy puts on the clipboard.
  std::string copiedText() const;
  void copyRows();

  // The cell as it is drawn in its column's width.
  CellText shownCell(const QModelIndex& index) const;

 signals:
  // A double-click anywhere in the rows area, after it has selected what it hit; a
  // double-click below the last row leaves nothing selected.
  void doubleClickedAnywhere();
  // Enter or Space pressed in the list.
  void enterPressed();

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool viewportEvent(QEvent* event) override;

 private:
  // One text line a row, as the list font needs.
  void fitRowsToFont();

  std::span<const ColumnLayout> columns_;
  TextListModel* model_;
};

}  // namespace kestravo::gui
