#include "app/gui/report_list_view.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPointer>
#include <QProxyStyle>
#include <algorithm>

namespace kestravo::gui {

namespace {

// The column widths were set for a wide monospaced face: "100-1" fills a KOL column of 45
// pixels to the last one. The lists therefore keep only a pixel of margin beside each cell
// text and title, where the platform's style would keep several.
class NarrowMarginsStyle : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    if (metric == PM_FocusFrameHMargin && qobject_cast<const ReportListView*>(widget)) return 0;
    if (metric == PM_HeaderMargin && widget &&
        qobject_cast<const ReportListView*>(widget->parentWidget())) {
      return 1;
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
};

QStyle* narrowMarginsStyle() {
  static QPointer<QStyle> style;
  if (!style) {
    style = new NarrowMarginsStyle;
    style->setParent(qApp);
  }
  return style;
}

std::vector<Qt::Alignment> alignmentsOf(std::span<const ColumnLayout> columns) {
  std::vector<Qt::Alignment> out;
  for (const ColumnLayout& c : columns) out.push_back(c.alignment);
  return out;
}

}  // namespace

ReportListView::ReportListView(std::span<const ColumnLayout> columns, QWidget* parent)
    : QTableView(parent),
      columns_(columns),
      model_(new TextListModel(alignmentsOf(columns), this)) {
  setModel(model_);
  setStyle(narrowMarginsStyle());
  horizontalHeader()->setStyle(narrowMarginsStyle());
  // Right-aligned figures then lose only their leading blanks when a column is narrow.
  setTextElideMode(Qt::ElideNone);
  setShowGrid(true);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setWordWrap(false);
  setCornerButtonEnabled(false);

  QPalette colours = palette();
  colours.setColor(QPalette::Base, Qt::white);
  colours.setColor(QPalette::Text, Qt::black);
  setPalette(colours);

  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  fitRowsToFont();

  QHeaderView* titles = horizontalHeader();
  titles->setMinimumSectionSize(1);
  titles->setStretchLastSection(false);
  titles->setHighlightSections(false);
  titles->setSectionsClickable(false);
  titles->setSectionResizeMode(QHeaderView::Interactive);
}

void ReportListView::setList(const TextList& list) {
  const int shown = model_->columnCount();
  model_->setList(list);
  const int count = std::min(model_->columnCount(), static_cast<int>(columns_.size()));
  for (int c = shown; c < count; ++c) {
    horizontalHeader()->resizeSection(c, columns_[static_cast<std::size_t>(c)].width);
  }
}

int ReportListView::firstSelectedRow() const {
  int first = -1;
  for (const QModelIndex& index : selectionModel()->selectedRows()) {
    if (first < 0 || index.row() < first) first = index.row();
  }
  return first;
}

void ReportListView::mouseDoubleClickEvent(QMouseEvent* event) {
  QTableView::mouseDoubleClickEvent(event);
  if (event->button() == Qt::LeftButton) emit doubleClickedAnywhere();
}

void ReportListView::changeEvent(QEvent* event) {
  QTableView::changeEvent(event);
  if (event->type() == QEvent::FontChange) fitRowsToFont();
}

void ReportListView::fitRowsToFont() {
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 2);
}

}  // namespace kestravo::gui
