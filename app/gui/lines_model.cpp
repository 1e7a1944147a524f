#include "app/gui/lines_model.h"

#include "app/gui/qt_text.h"

namespace kestravo::gui {

void LinesModel::setLines(const std::vector<std::string>& lines) {
  beginResetModel();
  lines_ = lines;
  endResetModel();
}

int LinesModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant LinesModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole ||
      !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
    return {};
  }
  return cardText(lines_[static_cast<std::size_t>(index.row())]);
}

}  // namespace kestravo::gui
