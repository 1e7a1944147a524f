#include "app/gui/value_model.h"

#include <QFont>

#include "app/gui/qt_text.h"
#include "app/text_list.h"
#include "format/text.h"

namespace kestravo::gui {

namespace {

std::size_t at(int i) { return static_cast<std::size_t>(i); }

bool isColumn(const QModelIndex& index, ValueColumn column) {
  return index.column() == static_cast<int>(column);
}

Qt::Alignment alignmentOf(int column) {
  switch (static_cast<ValueColumn>(column)) {
    case ValueColumn::kHorse:
    case ValueColumn::kValue:
      return Qt::AlignLeft | Qt::AlignVCenter;
    default:
      return Qt::AlignRight | Qt::AlignVCenter;
  }
}

}  // namespace

ValueModel::ValueModel(MainCommands& commands, QObject* parent)
    : QAbstractTableModel(parent), commands_(commands), view_(commands.valueView()) {}

void ValueModel::refresh() {
  ValueView fresh = commands_.valueView();
  if (fresh.rows != view_.rows) {
    beginResetModel();
    view_ = std::move(fresh);
    endResetModel();
    return;
  }
  // The same horses: only cells change, so an edit or a selection in progress stays.
  view_ = std::move(fresh);
  emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int ValueModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(view_.list.rows.size());
}

int ValueModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(view_.list.titles.size());
}

bool ValueModel::isOverlay(int row) const {
  return cell(row, static_cast<int>(ValueColumn::kValue)) == kOverlay;
}

QVariant ValueModel::data(const QModelIndex& index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
    return {};
  }
  const std::string& text = cell(index.row(), index.column());
  switch (role) {
    case Qt::DisplayRole:
      return cardText(text);
    case Qt::EditRole:
      return cardText(trimBlanks(text));
    case Qt::TextAlignmentRole:
      return alignmentOf(index.column()).toInt();
    case Qt::BackgroundRole:
      return isOverlay(index.row()) ? QVariant(kOverlayColour) : QVariant();
    case Qt::FontRole:
      if (isLineRow(index.row())) {
        QFont bold;
        bold.setBold(true);
        return bold;
      }
      return {};
    default:
      return {};
  }
}

QVariant ValueModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
  if (role == Qt::DisplayRole) return cardText(view_.list.titles[at(section)]);
  if (role == Qt::TextAlignmentRole) return alignmentOf(section).toInt();
  return {};
}

Qt::ItemFlags ValueModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags f = QAbstractTableModel::flags(index);
  if (index.isValid() && isColumn(index, ValueColumn::kLive) && !isLineRow(index.row())) {
    f |= Qt::ItemIsEditable;
  }
  return f;
}

bool ValueModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
  const std::string why =
      commands_.typeOdds(view_.rows[at(index.row())], value.toString().toStdString());
  if (!why.empty()) {
    emit oddsRefused(QString::fromStdString(why));
    return false;
  }
  refresh();
  return true;
}

bool NumericSortProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
  const auto* values = static_cast<const ValueModel*>(sourceModel());
  const bool leftLine = values->isLineRow(left.row());
  const bool rightLine = values->isLineRow(right.row());
  // The LINE row sums the horses above it, so it stays at the foot in either order.
  if (leftLine || rightLine) {
    return sortOrder() == Qt::AscendingOrder ? rightLine && !leftLine : leftLine && !rightLine;
  }
  const auto key = [values](const QModelIndex& i) {
    return sortValue(values->cell(i.row(), i.column()));
  };
  return key(left) < key(right);
}

}  // namespace kestravo::gui
