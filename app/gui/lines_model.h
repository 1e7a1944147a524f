// RacesList as an item model: one line per race, in race order, as the command handler
// made them.
#pragma once

#include <QAbstractListModel>
#include <string>
#include <vector>

namespace kestravo::gui {

class LinesModel : public QAbstractListModel {
  Q_OBJECT

 public:
  using QAbstractListModel::QAbstractListModel;

  void setLines(const std::vector<std::string>& lines);
  const std::vector<std::string>& lines() const { return lines_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  std::vector<std::string> lines_;
};

}  // namespace kestravo::gui
