// The value window's rows as an item model: the horses of the race shown with the LINE row
// under them, LIVE editable, overlays on a colour of their own. Sorting goes through a proxy
// that orders by the number each cell reads as, like the entries list, and keeps the LINE
// row at the foot whichever way it sorts.
#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QSortFilterProxyModel>

#include "app/main_commands.h"
#include "app/value_view.h"

namespace kestravo::gui {

// The background of an overlay's row.
inline const QColor kOverlayColour{198, 239, 206};

class ValueModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // Reads and types through `commands`, which keep the typed odds of the card open.
  ValueModel(MainCommands& commands, QObject* parent = nullptr);

  // Takes the value view of the race shown anew.
  void refresh();
  const ValueView& view() const { return view_; }
  // True for the LINE row under the horses.
  bool isLineRow(int row) const { return row == static_cast<int>(view_.rows.size()); }
  // The text of a cell as the view holds it. Precondition: the index is inside the table.
  const std::string& cell(int row, int column) const {
    return view_.list.rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
  }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // Odds typed into LIVE; a refused text changes nothing and is told through oddsRefused.
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

 signals:
  void oddsRefused(const QString& why);

 private:
  bool isOverlay(int row) const;

  MainCommands& commands_;
  ValueView view_;
};

class NumericSortProxy : public QSortFilterProxyModel {
  Q_OBJECT

 public:
  using QSortFilterProxyModel::QSortFilterProxyModel;

 protected:
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
};

}  // namespace kestravo::gui
