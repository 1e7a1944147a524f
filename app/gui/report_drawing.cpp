#include "app/gui/report_drawing.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QRect>
#include <algorithm>

#include "app/gui/qt_text.h"

namespace kestravo::gui {

namespace {

// Tab targets and text ends are sums of the same column width; a difference this small is
// rounding, not a text that reaches past the column.
constexpr qreal kTolerance = 0.01;

std::size_t shownCount(const std::vector<ReportLine>& lines) {
  return lines.back().text.empty() ? lines.size() - 1 : lines.size();
}

}  // namespace

void ReportLines::print(std::string_view text, QRgb textColour, QRgb background) {
  if (text.empty()) return;
  ReportLine& line = lines_.back();
  line.segments.push_back(
      {static_cast<int>(line.text.size()), static_cast<int>(text.size()), textColour, background});
  line.text += text;
}

void ReportLines::tab(int column) {
  if (column < 1) {
    newLine();
    return;
  }
  const auto target = static_cast<std::size_t>(column - 1);
  if (target < lines_.back().text.size()) newLine();
  lines_.back().text.resize(target, ' ');
}

std::vector<ReportLine> ReportLines::lines() const {
  return {lines_.begin(), lines_.begin() + static_cast<std::ptrdiff_t>(shownCount(lines_))};
}

std::string ReportLines::text() const {
  std::string text;
  const std::size_t count = shownCount(lines_);
  for (std::size_t i = 0; i < count; ++i) {
    const std::string& line = lines_[i].text;
    text.append(line, 0, line.find_last_not_of(' ') + 1);
    if (i + 1 < count) text += '\n';
  }
  return text;
}

int ReportLines::widest() const {
  std::size_t widest = 0;
  for (const ReportLine& line : lines_) widest = std::max(widest, line.text.size());
  return static_cast<int>(widest);
}

ReportDrawing::ReportDrawing(const QFont& font, QColor text, QColor background)
    : text_(text.rgb()), background_(background.rgb()) {
  setFont(font);
}

void ReportDrawing::setFont(const QFont& font) {
  const auto known = std::find_if(faces_.begin(), faces_.end(),
                                  [&font](const Face& face) { return face.font == font; });
  face_ = static_cast<int>(known - faces_.begin());
  if (known != faces_.end()) return;
  const QFontMetricsF metrics(font);
  const bool fixedPitch = QFontInfo(font).fixedPitch();
  // A fixed-pitch face's every character is one column wide, so tabs land exactly where
  // the text of earlier columns ends.
  const qreal columnWidth =
      fixedPitch ? metrics.horizontalAdvance(QLatin1Char('0')) : metrics.averageCharWidth();
  const QFontMetrics whole(font);
  faces_.push_back({font, columnWidth, whole.lineSpacing(), whole.ascent(), fixedPitch});
  tallest_ = std::max(tallest_, whole.lineSpacing());
}

void ReportDrawing::setColours(QColor text, QColor background) {
  text_ = text.rgb();
  background_ = background.rgb();
}

void ReportDrawing::print(std::string_view text) {
  lines_.print(text, text_, background_);
  if (text.empty()) return;
  QString chars = cardText(text);
  const Face& current = face();
  const qreal width = current.fixedPitch ? static_cast<qreal>(chars.size()) * current.columnWidth
                                         : QFontMetricsF(current.font).horizontalAdvance(chars);
  runs_.push_back({x_, y_, qRound(x_ + width), face_, text_, background_, std::move(chars)});
  x_ += width;
}

void ReportDrawing::tab(int column) {
  lines_.tab(column);
  const qreal target = (column - 1) * face().columnWidth + kMargin;
  if (target < x_ - kTolerance) nextLine();
  // A column below 1 lies left of the margin; such a tab only starts a new line.
  x_ = std::max(target, static_cast<qreal>(kMargin));
}

void ReportDrawing::newLine() {
  lines_.newLine();
  nextLine();
}

void ReportDrawing::nextLine() {
  x_ = kMargin;
  y_ += face().lineHeight;
}

void ReportDrawing::paint(QPainter& painter, const QRect& exposed) const {
  const auto first = std::partition_point(runs_.begin(), runs_.end(), [&](const Run& run) {
    return run.y + tallest_ <= exposed.top();
  });
  int shownFace = -1;
  for (auto run = first; run != runs_.end() && run->y <= exposed.bottom(); ++run) {
    const int left = qRound(run->x);
    if (run->right <= exposed.left() || left > exposed.right()) continue;
    const Face& runFace = faces_[static_cast<std::size_t>(run->face)];
    painter.fillRect(left, run->y, run->right - left, runFace.lineHeight, QColor(run->background));
    if (run->face != shownFace) {
      painter.setFont(runFace.font);
      shownFace = run->face;
    }
    painter.setPen(QColor(run->text));
    painter.drawText(QPointF(run->x, run->y + runFace.ascent), run->chars);
  }
}

}  // namespace kestravo::gui
