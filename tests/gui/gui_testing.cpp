#include "gui_testing.h"

#include <string_view>

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "app/gui/report_list_view.h"
#include "app/list_rows.h"
#include "app/load_card.h"

namespace kestravo::testing {

namespace {
std::string bytesOf(const QVariant& value) { return value.toString().toLatin1().toStdString(); }
}  // namespace

std::vector<TextRow> shownRows(const QAbstractItemModel& model) {
  std::vector<TextRow> rows;
  for (int r = 0; r < model.rowCount(); ++r) {
    TextRow row;
    for (int c = 0; c < model.columnCount(); ++c) row.push_back(bytesOf(model.index(r, c).data()));
    rows.push_back(row);
  }
  return rows;
}

std::vector<std::string> shownTitles(const QAbstractItemModel& model) {
  std::vector<std::string> titles;
  for (int c = 0; c < model.columnCount(); ++c) {
    titles.push_back(bytesOf(model.headerData(c, Qt::Horizontal)));
  }
  return titles;
}

std::vector<std::string> shownColumn(const QAbstractItemModel& model, int column) {
  std::vector<std::string> cells;
  for (int r = 0; r < model.rowCount(); ++r)
    cells.push_back(bytesOf(model.index(r, column).data()));
  return cells;
}

namespace {
// Lists lay their rows out at the next turn of the event loop after a refill.
QModelIndex laidOutRow(QAbstractItemView* view, int row) {
  QApplication::processEvents();
  const QModelIndex index = view->model()->index(row, 0);
  view->scrollTo(index);
  QApplication::processEvents();
  return index;
}
}  // namespace

void doubleClickAt(QWidget* widget, QPoint at) {
  QTest::mouseClick(widget, Qt::LeftButton, {}, at);
  QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
  QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

void doubleClickRow(QAbstractItemView* view, int row) {
  const QModelIndex index = laidOutRow(view, row);
  doubleClickAt(view->viewport(), view->visualRect(index).center());
}

void clickRow(QAbstractItemView* view, int row) {
  const QModelIndex index = laidOutRow(view, row);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

void expectTitlesWhole(const QHeaderView& titles) {
  for (int c = 0; c < titles.count(); ++c) {
    const QString title = titles.model()->headerData(c, Qt::Horizontal).toString();
    const int room = titles.sectionSize(c) - 2;  // a pixel of margin a side
    const QFont font = gui::titleFontToFit(titles.font(), title, room);
    EXPECT_LE(QFontMetrics(font).horizontalAdvance(title), room) << title.toStdString();
  }
}

std::vector<std::string>& TesterFailures::messages() {
  static std::vector<std::string> m;
  return m;
}

void TesterFailures::record(QtMsgType type, const QMessageLogContext& context,
                            const QString& text) {
  // Only the tester's own: a window shown meanwhile may draw warnings of the platform.
  const bool tester = context.category && std::string_view(context.category) == "qt.modeltest";
  if (tester && type != QtDebugMsg && type != QtInfoMsg) messages().push_back(text.toStdString());
}

std::string captionOf(const QWidget* button) {
  return static_cast<const QPushButton*>(button)
      ->text()
      .replace(QLatin1Char('\n'), QLatin1Char(' '))
      .toStdString();
}

SampleCard::SampleCard() {
  const std::string sample = std::string(KESTRAVO_SOURCE_DIR) + "/samples/KSV1208.DRF";
  path_ = folder_.write("KSV1208.DRF", readFile(sample));
}

Card SampleCard::load() const {
  Card card;
  card.dataFilePath = path_;
  openCard(card);
  return card;
}

std::vector<TextRow> raceEntryRows(const Card& card, const std::string& race) {
  std::vector<TextRow> rows;
  for (int row : raceViewRows(card.matrix, race)) rows.push_back(entryRowCells(card.matrix, row));
  return rows;
}

std::vector<TextRow> raceDetailRows(const Card& card, const std::string& race) {
  std::vector<TextRow> rows;
  for (int row : raceViewRows(card.matrix, race)) {
    rows.push_back(raceDetailRowCells(card.matrix, row));
  }
  return rows;
}

}  // namespace kestravo::testing
