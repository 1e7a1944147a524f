#include "app/gui/report_list_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionHeaderV2>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <algorithm>

#include "app/gui/qt_text.h"
#include "app/table_text.h"

namespace kestravo::gui {

namespace {

// Pixels a cell text keeps from the cell's edges when there is room, and the wider gap a
// right-aligned number keeps on its right, so "81" under LPLR never runs into the "100-1"
// that starts the KOL column.
constexpr int kCellMargin = 1;
constexpr int kNumberGap = 5;
// A title is drawn at most this many pixels a letter closer together before it is cut; a
// cell text only when it is at most this many pixels too wide, and then a pixel closer.
constexpr int kMostTitleCondensing = 2;
constexpr int kMostCellOverflow = 2;

// `font` with its letters `pixels` closer together.
QFont closer(const QFont& font, int pixels) {
  QFont out = font;
  out.setLetterSpacing(QFont::AbsoluteSpacing, -pixels);
  return out;
}

bool insideReportList(const QWidget* widget) {
  return widget && qobject_cast<const ReportListView*>(widget->parentWidget());
}

// The column widths were set for a wide monospaced face: "100-1" fills a KOL column of 45
// pixels to the last one. The lists therefore keep only a pixel of margin beside each title,
// where the platform's style would keep several, and draw a title that is still too wide
// with its letters closer together.
class NarrowMarginsStyle : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    if (metric == PM_FocusFrameHMargin && qobject_cast<const ReportListView*>(widget)) return 0;
    if (metric == PM_HeaderMargin && insideReportList(widget)) return kCellMargin;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }

  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override {
    const auto* header = qstyleoption_cast<const QStyleOptionHeader*>(option);
    if (element != CE_HeaderLabel || !header || !insideReportList(widget)) {
      QProxyStyle::drawControl(element, option, painter, widget);
      return;
    }
    const QFont font = titleFontToFit(widget->font(), header->text, header->rect.width());
    QStyleOptionHeaderV2 label;
    static_cast<QStyleOptionHeader&>(label) = *header;
    label.fontMetrics = QFontMetrics(font);
    label.textElideMode = Qt::ElideRight;
    painter->save();
    painter->setFont(font);
    QProxyStyle::drawControl(element, &label, painter, widget);
    painter->restore();
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

// Draws each cell as fitCellText lays it out.
class CellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString whole = item.text;
    item.text.clear();
    const QStyle* style = item.widget ? item.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

    const CellText cell = fitCellText(whole, item.font, item.rect.width(), item.displayAlignment);
    const QPalette::ColorGroup group = !(item.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (item.state & QStyle::State_Active) ? QPalette::Normal
                                                                             : QPalette::Inactive;
    painter->save();
    painter->setFont(cell.font);
    painter->setPen(item.palette.color(
        group, item.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(item.rect.adjusted(cell.left, 0, -cell.right, 0),
                      static_cast<int>(item.displayAlignment) | Qt::TextSingleLine, cell.text);
    painter->restore();
  }
};

std::vector<Qt::Alignment> alignmentsOf(std::span<const ColumnLayout> columns) {
  std::vector<Qt::Alignment> out;
  for (const ColumnLayout& c : columns) out.push_back(c.alignment);
  return out;
}

}  // namespace

CellText fitCellText(const QString& text, const QFont& font, int width, Qt::Alignment alignment) {
  CellText cell;
  const bool right = alignment & Qt::AlignRight;
  qsizetype blanks = 0;
  while (right && blanks < text.size() && text[blanks] == QLatin1Char(' ')) ++blanks;
  cell.text = text.mid(blanks);
  cell.font = font;
  int room = width - QFontMetrics(font).horizontalAdvance(cell.text);
  if (room < 0 && room >= -kMostCellOverflow) {
    cell.font = closer(font, 1);
    room = width - QFontMetrics(cell.font).horizontalAdvance(cell.text);
  }
  if (room < 0) {
    cell.font = font;
    cell.text = QFontMetrics(font).elidedText(cell.text, Qt::ElideRight, width);
    cell.cut = true;
    room = std::max(0, width - QFontMetrics(font).horizontalAdvance(cell.text));
  }
  if (right) {
    cell.right = std::min(kNumberGap, room);
    cell.left = std::min(kCellMargin, room - cell.right);
  } else {
    cell.left = std::min(kCellMargin, room);
    cell.right = std::min(kCellMargin, room - cell.left);
  }
  return cell;
}

QFont titleFontToFit(const QFont& font, const QString& title, int width) {
  const int over = QFontMetrics(font).horizontalAdvance(title) - width;
  if (over <= 0 || title.isEmpty()) return font;
  const int letters = static_cast<int>(title.size());
  return closer(font, std::min(kMostTitleCondensing, (over + letters - 1) / letters));
}

ReportListView::ReportListView(std::span<const ColumnLayout> columns, Qt::Alignment beyond,
                               QWidget* parent)
    : QTableView(parent),
      columns_(columns),
      model_(new TextListModel(alignmentsOf(columns), beyond, this)) {
  setModel(model_);
  setItemDelegate(new CellDelegate(this));
  setStyle(narrowMarginsStyle());
  horizontalHeader()->setStyle(narrowMarginsStyle());
  // Tab leaves the list; the arrow keys move within it.
  setTabKeyNavigation(false);
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

void ReportListView::setColumnWidths(const std::vector<int>& widths) {
  const int count = std::min(model_->columnCount(), static_cast<int>(widths.size()));
  for (int c = 0; c < count; ++c) {
    horizontalHeader()->resizeSection(c, widths[static_cast<std::size_t>(c)]);
  }
}

int ReportListView::firstSelectedRow() const {
  int first = -1;
  for (const QModelIndex& index : selectionModel()->selectedRows()) {
    if (first < 0 || index.row() < first) first = index.row();
  }
  return first;
}

void ReportListView::enableCopy() {
  // A shortcut of the list itself comes before the table's own Ctrl+C, which would copy
  // only the cell that has the focus.
  auto* copy = new QAction(QStringLiteral("Copy"), this);
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutContext(Qt::WidgetShortcut);
  connect(copy, &QAction::triggered, this, &ReportListView::copyRows);
  addAction(copy);
  setContextMenuPolicy(Qt::ActionsContextMenu);
}

std::string ReportListView::copiedText() const {
  std::vector<int> rows;
  for (const QModelIndex& index : selectionModel()->selectedRows()) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  return tableText(model_->list(), rows, TableFormat::kTabs);
}

void ReportListView::copyRows() { QGuiApplication::clipboard()->setText(cardText(copiedText())); }

void ReportListView::mouseDoubleClickEvent(QMouseEvent* event) {
  QTableView::mouseDoubleClickEvent(event);
  if (event->button() == Qt::LeftButton) emit doubleClickedAnywhere();
}

CellText ReportListView::shownCell(const QModelIndex& index) const {
  const int width = columnWidth(index.column()) - (showGrid() ? 1 : 0);
  const auto alignment = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
  return fitCellText(index.data().toString(), font(), width, alignment);
}

void ReportListView::keyPressEvent(QKeyEvent* event) {
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                event->key() == Qt::Key_Space)) {
    event->accept();
    emit enterPressed();
    return;
  }
  QTableView::keyPressEvent(event);
}

// A cell cut short shows its whole text when the pointer rests on it.
bool ReportListView::viewportEvent(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QTableView::viewportEvent(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const QModelIndex index = indexAt(help->pos());
  if (index.isValid() && shownCell(index).cut) {
    QToolTip::showText(help->globalPos(), index.data().toString(), viewport(), visualRect(index));
  } else {
    QToolTip::hideText();
  }
  return true;
}

void ReportListView::changeEvent(QEvent* event) {
  QTableView::changeEvent(event);
  if (event->type() == QEvent::FontChange) fitRowsToFont();
}

void ReportListView::fitRowsToFont() {
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 2);
}

}  // namespace kestravo::gui
