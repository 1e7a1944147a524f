#include "app/gui/report_window.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QWindow>
#include <algorithm>

#include "app/gui/fonts.h"
#include "app/gui/qt_text.h"
#include "app/main_view.h"

namespace kestravo::gui {

// The drawing surface: paints the part of the report that is in view.
class ReportPage : public QWidget {
 public:
  ReportPage(const ReportDrawing& drawing, QColor background)
      : drawing_(drawing), background_(background) {}

  // A report draws thousands of runs in one go; one repaint after them is enough.
  void changed() {
    if (pending_) return;
    pending_ = true;
    update();
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    pending_ = false;
    QPainter painter(this);
    painter.fillRect(event->rect(), background_);
    drawing_.paint(painter, event->rect());
  }

 private:
  const ReportDrawing& drawing_;
  QColor background_;
  bool pending_ = false;
};

QColor reportColour(ReportColour colour, const QPalette& palette) {
  switch (colour.kind) {
    case ReportColour::Kind::kRgb:
      return QColor(colour.red, colour.green, colour.blue);
    case ReportColour::Kind::kDefaultText:
      return palette.color(QPalette::Text);
    case ReportColour::Kind::kDefaultBackground:
      return palette.color(QPalette::Base);
    case ReportColour::Kind::kFace:
      return palette.color(QPalette::Button);
  }
  return palette.color(QPalette::Text);
}

QRect placeReportWindow(const QRect& wanted, const QMargins& frame, const QRect& available) {
  const QSize room = available.marginsRemoved(frame).size().expandedTo({1, 1});
  const QSize client = wanted.size().boundedTo(room);
  const QSize outer = client.grownBy(frame);
  int x = std::min(wanted.left(), available.left() + available.width() - outer.width());
  int y = std::min(wanted.top(), available.top() + available.height() - outer.height());
  x = std::max(x, available.left());
  y = std::max(y, available.top());
  return {QPoint(x, y), client};
}

ReportWindow::ReportWindow(const QString& caption, const ReportGeometry& geometry,
                           ReportDialogs dialogs)
    : QScrollArea(nullptr),
      dialogs_(std::move(dialogs)),
      drawing_(font(), reportColour(ReportColour::defaultText(), palette()),
               reportColour(ReportColour::defaultBackground(), palette())),
      page_(new ReportPage(drawing_, reportColour(ReportColour::defaultBackground(), palette()))) {
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setAttribute(Qt::WA_DeleteOnClose);
  // Closing the main window ends the program, whatever reports are still open.
  setAttribute(Qt::WA_QuitOnClose, false);
  setWindowTitle(caption);
  setFrameShape(QFrame::NoFrame);
  setWidget(page_);
  const QFontMetrics standard = fontMetrics();
  wanted_ = QRect(geometry.left, geometry.top,
                  std::max(1, geometry.columns * standard.averageCharWidth()),
                  std::max(1, geometry.rows * standard.lineSpacing()));
  // The window manager adds the frame only once the window is up; room for a title bar is
  // kept meanwhile so that the window's top never ends below the screen's bottom.
  place(estimatedFrame());
  verticalScrollBar()->setSingleStep(standard.lineSpacing());
  horizontalScrollBar()->setSingleStep(standard.averageCharWidth());

  addKeepingAction("Copy", QKeySequence::Copy, &ReportWindow::copyText);
  addKeepingAction("Save as text...", QKeySequence::Save, &ReportWindow::saveAsText);
  addKeepingAction("Print...", QKeySequence::Print, &ReportWindow::printReport);
  setContextMenuPolicy(Qt::ActionsContextMenu);
}

void ReportWindow::place(const QMargins& frame) {
  const QScreen* screen = QGuiApplication::screenAt(wanted_.topLeft());
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  const QRect placed = placeReportWindow(wanted_, frame, screen->availableGeometry());
  setFixedSize(placed.size());
  move(placed.topLeft());
  fitCanvas();
}

QMargins ReportWindow::estimatedFrame() const {
  const int border = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
  return {border, style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this), border, border};
}

void ReportWindow::showEvent(QShowEvent* event) {
  QScrollArea::showEvent(event);
  if (placedInFrame_ || windowHandle() == nullptr) return;
  placedInFrame_ = true;
  // The frame the window system gave the window, where it is known by now, may be larger
  // than the room kept for it.
  const QMargins given = windowHandle()->frameMargins();
  const QMargins kept = estimatedFrame();
  const QMargins frame(std::max(given.left(), kept.left()), std::max(given.top(), kept.top()),
                       std::max(given.right(), kept.right()),
                       std::max(given.bottom(), kept.bottom()));
  if (frame != kept) place(frame);
}

void ReportWindow::addKeepingAction(const char* text, QKeySequence::StandardKey key,
                                    void (ReportWindow::*keep)()) {
  auto* action = new QAction(QLatin1String(text), this);
  action->setShortcut(key);
  connect(action, &QAction::triggered, this, keep);
  addAction(action);
}

void ReportWindow::setReportFont(const ReportFont& font) {
  drawing_.setFont(screenFont(font.face.c_str(), font.points));
}

void ReportWindow::setCanvas(int width, int height) {
  canvas_ = QSize(width, height);
  fitCanvas();
}

void ReportWindow::fitCanvas() {
  const int width = canvas_.width();
  const int height = canvas_.height();
  // The inside of the window less the scroll bar of the other direction where that one is
  // needed: a canvas as wide as the window but taller needs no bar across.
  const QSize inside = size();
  const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  bool across = false;
  bool down = false;
  for (int pass = 0; pass < 2; ++pass) {
    across = width > inside.width() - (down ? bar : 0);
    down = height > inside.height() - (across ? bar : 0);
  }
  const QSize view(inside.width() - (down ? bar : 0), inside.height() - (across ? bar : 0));
  page_->setFixedSize(std::max(width, view.width()), std::max(height, view.height()));
}

QSize ReportWindow::canvasSize() const { return page_->size(); }

void ReportWindow::setColours(ReportColour text, ReportColour background) {
  drawing_.setColours(reportColour(text, palette()), reportColour(background, palette()));
}

void ReportWindow::print(std::string_view text) {
  drawing_.print(text);
  page_->changed();
}

void ReportWindow::tab(int column) { drawing_.tab(column); }

void ReportWindow::newLine() { drawing_.newLine(); }

void ReportWindow::copyText() {
  QGuiApplication::clipboard()->setText(cardText(drawing_.lines().text()));
}

void ReportWindow::saveAsText() {
  const QString suggested = QDir::current().filePath(windowTitle().simplified() + ".txt");
  const QString path = dialogs_.saveFile(this, suggested);
  if (path.isEmpty()) return;
  const std::string text = drawing_.lines().text() + '\n';
  QSaveFile file(path);
  const auto length = static_cast<qint64>(text.size());
  if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), length) != length ||
      !file.commit()) {
    tell(QStringLiteral("CANNOT SAVE THE REPORT TO ") + QDir::toNativeSeparators(path));
  }
}

void ReportWindow::printReport() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(windowTitle().simplified());
  printer.setPageOrientation(drawing_.lines().widest() > kPortraitColumns ? QPageLayout::Landscape
                                                                          : QPageLayout::Portrait);
  if (!dialogs_.setUpPrinter(this, printer)) return;
  const QPalette& colours = palette();
  if (!gui::printReport(drawing_.lines(), printer,
                        reportColour(ReportColour::defaultText(), colours).rgb(),
                        reportColour(ReportColour::defaultBackground(), colours).rgb())) {
    tell(QStringLiteral("CANNOT PRINT THE REPORT"));
  }
}

void ReportWindow::tell(const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QLatin1String(kMessageCaption), text, QMessageBox::Ok, this);
  box.exec();
}

void ReportWindow::keyPressEvent(QKeyEvent* event) {
  // Home and End go to the report's first and last lines; the arrows and the page keys
  // scroll as in any scrolled view.
  if (event->key() == Qt::Key_Home) {
    verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMinimum);
  } else if (event->key() == Qt::Key_End) {
    verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
  } else {
    QScrollArea::keyPressEvent(event);
  }
  endWait();
}

void ReportWindow::closeEvent(QCloseEvent* event) {
  endWait();
  QScrollArea::closeEvent(event);
}

void ReportWindow::endWait() {
  if (!waiting_) return;
  waiting_ = false;
  emit waitEnded();
}

}  // namespace kestravo::gui
