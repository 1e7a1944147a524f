#include "app/gui/value_window.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "app/gui/dialog_template.h"
#include "app/gui/fonts.h"
#include "app/gui/message_box.h"
#include "app/gui/value_model.h"
#include "app/main_view.h"

namespace kestravo::gui {

namespace {

// Characters each column holds, PP to VALUE: a horse's name cut as the entries list cuts
// it, prices as long as "100-1", figures as their masks give them.
constexpr int kColumnCharacters[] = {3, 4, 18, 6, 6, 5, 6, 6, 8};
// Horses shown without scrolling: a full field and the LINE row.
constexpr int kRowsShown = 16;
// Pixels beside each cell's text.
constexpr int kCellPadding = 8;

}  // namespace

ValueWindow::ValueWindow(MainCommands& commands, QWidget* owner)
    : QWidget(owner, Qt::Window),
      commands_(commands),
      model_(new ValueModel(commands, this)),
      sorted_(new NumericSortProxy(this)),
      table_(new QTableView(this)) {
  sorted_->setSourceModel(model_);
  table_->setModel(sorted_);
  table_->setFont(fontOf(FontKind::kCourier11));
  table_->setShowGrid(true);
  table_->setWordWrap(false);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed);
  table_->verticalHeader()->hide();
  QPalette colours = table_->palette();
  colours.setColor(QPalette::Base, Qt::white);
  colours.setColor(QPalette::Text, Qt::black);
  table_->setPalette(colours);
  // Card order until the handicapper clicks a title.
  table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  table_->setSortingEnabled(true);

  const QFontMetrics metrics(table_->font());
  int width = 0;
  for (int c = 0; c < static_cast<int>(std::size(kColumnCharacters)); ++c) {
    const int characters =
        std::max<int>(kColumnCharacters[c], static_cast<int>(valueViewTitles()[c].size()) + 1);
    const int pixels =
        metrics.horizontalAdvance(QString(characters, QLatin1Char('0'))) + kCellPadding;
    table_->setColumnWidth(c, pixels);
    width += pixels;
  }
  const int rowHeight = metrics.height() + 4;
  table_->verticalHeader()->setDefaultSectionSize(rowHeight);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(table_);
  resize(width + table_->verticalScrollBar()->sizeHint().width() + 2 * table_->frameWidth(),
         (kRowsShown + 1) * rowHeight + 2 * table_->frameWidth());

  // The box comes after the edit has ended, so closing the editor cannot ask twice.
  connect(model_, &ValueModel::oddsRefused, this, &ValueWindow::tellRefusal, Qt::QueuedConnection);
  refresh();
}

void ValueWindow::refresh() {
  model_->refresh();
  setWindowTitle(QString::fromLocal8Bit(commands_.valueCaption()));
}

void ValueWindow::tellRefusal(const QString& why) {
  showMessageBox(this, QLatin1String(kMessageCaption), why);
}

}  // namespace kestravo::gui
