#include "app/gui/text_list_model.h"

#include <utility>

#include "app/gui/qt_text.h"

namespace kestravo::gui {

TextListModel::TextListModel(std::vector<Qt::Alignment> alignments, Qt::Alignment beyond,
                             QObject* parent)
    : QAbstractTableModel(parent), alignments_(std::move(alignments)), beyond_(beyond) {}

void TextListModel::setList(const TextList& list) {
  const bool sameShape = list.titles == list_.titles && list.rows.size() == list_.rows.size();
  if (!sameShape) {
    beginResetModel();
    list_ = list;
    endResetModel();
    return;
  }
  list_.rows = list.rows;
  if (!list_.rows.empty()) {
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole});
  }
}

int TextListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(list_.rows.size());
}

int TextListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(list_.titles.size());
}

QVariant TextListModel::data(const QModelIndex& index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
    return {};
  }
  switch (role) {
    case Qt::DisplayRole: {
      const TextRow& row = list_.rows[static_cast<std::size_t>(index.row())];
      const auto column = static_cast<std::size_t>(index.column());
      return column < row.size() ? cardText(row[column]) : QString();
    }
    case Qt::TextAlignmentRole:
      return alignmentValue(index.column());
    default:
      return {};
  }
}

QVariant TextListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
  switch (role) {
    case Qt::DisplayRole:
      return cardText(list_.titles[static_cast<std::size_t>(section)]);
    case Qt::TextAlignmentRole:
      return alignmentValue(section);
    default:
      return {};
  }
}

// Views read the alignment role as a plain number.
int TextListModel::alignmentValue(int column) const {
  const auto c = static_cast<std::size_t>(column);
  const Qt::Alignment horizontal = c < alignments_.size() ? alignments_[c] : beyond_;
  return (horizontal | Qt::AlignVCenter).toInt();
}

}  // namespace kestravo::gui
