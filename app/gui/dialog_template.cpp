#include "app/gui/dialog_template.h"

#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStyle>

#include "app/gui/fonts.h"

namespace kestravo::gui {

namespace {

QWidget* createButton(QWidget* window, const ControlLayout& item, const QRect& area) {
  auto* button = new QPushButton(window);
  button->setFont(fontOf(item.font));
  const QStyle* style = button->style();
  const int margins = 2 * (style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                           style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button));
  button->setText(
      wrapToWidth(QLatin1String(item.text), button->fontMetrics(), area.width() - margins));
  button->setAutoDefault(false);
  return button;
}

QWidget* createLabel(QWidget* window, const ControlLayout& item) {
  auto* label = new QLabel(QLatin1String(item.text), window);
  label->setAlignment(item.alignment | Qt::AlignTop);
  fillBackground(label, kWindowGrey);
  return label;
}

QWidget* createListBox(QWidget* window) {
  auto* box = new QListView(window);
  box->setSelectionMode(QAbstractItemView::SingleSelection);
  box->setEditTriggers(QAbstractItemView::NoEditTriggers);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setUniformItemSizes(true);
  box->setTextElideMode(Qt::ElideNone);  // a list box cuts a long race line off
  return box;
}

QWidget* createControl(QWidget* window, const ControlLayout& item, const QRect& area) {
  switch (item.kind) {
    case ControlKind::kButton:
      return createButton(window, item, area);
    case ControlKind::kLabel:
      return createLabel(window, item);
    case ControlKind::kListBox:
      return createListBox(window);
    case ControlKind::kListView: {
      auto* view = new ReportListView(item.columns, item.alignment, window);
      view->setWindowTitle(QLatin1String(item.text));
      return view;
    }
  }
  return nullptr;
}

}  // namespace

QFont fontOf(FontKind kind) {
  switch (kind) {
    case FontKind::kCourier11:
      return screenFont(kCourierNew, 11);
    case FontKind::kCourier11Bold:
      return screenFont(kCourierNew, 11, true);
    case FontKind::kCourier12:
      return screenFont(kCourierNew, 12);
    case FontKind::kSans10:
      return screenFont(kMsSansSerif, 10);
  }
  return {};
}

void fillBackground(QWidget* widget, const QColor& colour) {
  QPalette colours = widget->palette();
  colours.setColor(QPalette::Window, colour);
  widget->setPalette(colours);
  widget->setAutoFillBackground(true);
}

QString wrapToWidth(const QString& text, const QFontMetrics& metrics, int width) {
  QString out;
  QString line;
  for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
    if (line.isEmpty() || metrics.horizontalAdvance(longer) <= width) {
      line = longer;
      continue;
    }
    out += line + QLatin1Char('\n');
    line = word;
  }
  return out + line;
}

std::map<int, QWidget*> createControls(QWidget* window, std::span<const ControlLayout> table,
                                       const DialogUnits& units) {
  std::map<int, QWidget*> controls;
  for (const ControlLayout& item : table) {
    const QRect area = units.rect(item.x, item.y, item.width, item.height);
    QWidget* control = createControl(window, item, area);
    control->setObjectName(controlName(item.id));
    control->setFont(fontOf(item.font));
    control->setGeometry(area);
    controls[item.id] = control;
  }
  return controls;
}

}  // namespace kestravo::gui
