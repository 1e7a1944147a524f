#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTableView>

#include "app/gui/lines_model.h"
#include "app/gui/text_list_model.h"
#include "gui_testing.h"

namespace kestravo::testing {
namespace {

using gui::LinesModel;
using gui::TextListModel;

TextList list(std::vector<std::string> titles, std::vector<TextRow> rows) {
  return {std::move(titles), std::move(rows)};
}

TEST(TextListModel, PassesTheModelTesterThroughEveryKindOfRefill) {
  TesterFailures failures;
  TextListModel model({Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter});
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Warning);
  model.setList(list({"RA", "PP", "HORSE"}, {}));
  model.setList(list({"RA", "PP", "HORSE"}, {{" 1", " 1", "A"}, {" 1", " 2", "B"}}));
  model.setList(list({"RA", "PP", "HORSE"}, {{" 1", " 2", "B"}, {" 1", " 1", "A"}}));
  model.setList(list({"RA", "PP", "HORSE"}, {{" 1", " 1"}}));
  model.setList(list({"RA", "PP", "HORSE", "ML", "STY"}, {{" 1", " 1", "A", " 2.5", "E"}}));
  model.setList(list({}, {}));
  EXPECT_EQ(TesterFailures::messages(), std::vector<std::string>{});
}

TEST(TextListModel, ShowsCellsAndTitlesWithTheirColumnAlignment) {
  TextListModel model({Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter}, Qt::AlignRight);
  model.setList(
      list({"RA", "PP", "HORSE", "KOL"}, {{" 1", " 2", "CAF\xC9 NOIR", "4.5-1"}, {" 3"}}));
  struct Cell {
    int row, column;
    QString text;
    Qt::Alignment alignment;
  };
  const Cell cells[] = {
      {0, 0, " 1", Qt::AlignLeft},
      {0, 1, " 2", Qt::AlignRight},
      {0, 2, QString::fromUtf8("CAF\u00C9 NOIR"), Qt::AlignHCenter},
      {0, 3, "4.5-1", Qt::AlignRight},  // past the alignment table
      {1, 0, " 3", Qt::AlignLeft},
      {1, 2, "", Qt::AlignHCenter},  // a short row
  };
  for (const Cell& c : cells) {
    const QModelIndex index = model.index(c.row, c.column);
    EXPECT_EQ(index.data().toString(), c.text) << c.row << "," << c.column;
    EXPECT_EQ(index.data(Qt::TextAlignmentRole).toInt(), (c.alignment | Qt::AlignVCenter).toInt())
        << c.row << "," << c.column;
  }
  EXPECT_EQ(shownTitles(model), (std::vector<std::string>{"RA", "PP", "HORSE", "KOL"}));
  EXPECT_EQ(model.headerData(1, Qt::Horizontal, Qt::TextAlignmentRole).toInt(),
            (Qt::AlignRight | Qt::AlignVCenter).toInt());
  EXPECT_FALSE(model.headerData(0, Qt::Vertical).isValid());
  EXPECT_FALSE(model.headerData(4, Qt::Horizontal).isValid());
}

TEST(TextListModel, SameShapeChangesCellsAndKeepsTheSelection) {
  TextListModel model({});
  model.setList(list({"RACE", "SCRATCH"}, {{" 1", ""}, {" 2", ""}}));
  QTableView view;
  view.setModel(&model);
  view.selectRow(1);
  QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
  QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);

  model.setList(list({"RACE", "SCRATCH"}, {{" 1", ""}, {" 2", "S"}}));
  EXPECT_EQ(resets.count(), 0);
  EXPECT_EQ(changes.count(), 1);
  EXPECT_TRUE(view.selectionModel()->isRowSelected(1, {}));
  EXPECT_EQ(model.index(1, 1).data().toString(), "S");

  model.setList(list({"RACE", "SCRATCH"}, {{" 1", ""}}));
  EXPECT_EQ(resets.count(), 1);
  EXPECT_FALSE(view.selectionModel()->hasSelection());
}

TEST(LinesModel, PassesTheModelTesterAndShowsLinesInOrder) {
  TesterFailures failures;
  LinesModel model;
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Warning);
  model.setLines({" 1 6.0 F D", " 2 8.5 F T", "10 5.5 F D"});
  EXPECT_EQ(shownColumn(model, 0),
            (std::vector<std::string>{" 1 6.0 F D", " 2 8.5 F T", "10 5.5 F D"}));
  model.setLines({});
  EXPECT_EQ(model.rowCount(), 0);
  EXPECT_EQ(TesterFailures::messages(), std::vector<std::string>{});
}

}  // namespace
}  // namespace kestravo::testing
