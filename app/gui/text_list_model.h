// A list of the main or scratch window as an item model: the titles and rows the command
// handler made, with each column's alignment. The model keeps its own copy, so the view
// never reads a list the handler is still refilling.
#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "app/text_list.h"

namespace kestravo::gui {

class TextListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // `alignments[c]` aligns column c; `beyond` the columns past the table.
  explicit TextListModel(std::vector<Qt::Alignment> alignments,
                         Qt::Alignment beyond = Qt::AlignLeft, QObject* parent = nullptr);

  // Shows `list`. A list of the same shape (titles and row count) only changes cells, so
  // the selection and the scroll position stay, as they do when one mark flips.
  void setList(const TextList& list);
  const TextList& list() const { return list_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  int alignmentValue(int column) const;

  std::vector<Qt::Alignment> alignments_;
  Qt::Alignment beyond_;
  TextList list_;
};

}  // namespace kestravo::gui
