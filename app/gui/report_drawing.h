// What a report window holds once a report is drawn: the printed runs in canvas pixels,
// each with its font and colours, to paint whatever part the handicapper scrolls to, and
// the same report as lines of text at character columns, to copy, save and print.
#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

class QPainter;
class QRect;

namespace kestravo::gui {

// A stretch of one text line printed in one pair of colours.
struct ReportSegment {
  int column = 0;  // 0-based
  int length = 0;
  QRgb text = 0;
  QRgb background = 0;
};

struct ReportLine {
  std::string text;  // card bytes
  std::vector<ReportSegment> segments;
};

// The report at character columns, as the command line's text grid lays it out: a tab
// pads the line with blanks up to its column, or starts a new line first when the line
// already reaches past it.
class ReportLines {
 public:
  ReportLines() : lines_(1) {}

  void print(std::string_view text, QRgb textColour, QRgb background);
  void tab(int column);
  void newLine() { lines_.emplace_back(); }

  // Every ended line, and the last one only when it holds text.
  std::vector<ReportLine> lines() const;
  // Those lines without their trailing blanks, each ended by a line feed but the last.
  std::string text() const;
  // The length of the longest line, in characters.
  int widest() const;

 private:
  std::vector<ReportLine> lines_;
};

// The report in canvas pixels. The cursor starts at the margin; tab columns are measured
// in the current font, so a switch from the title's font to the body's changes them.
class ReportDrawing {
 public:
  static constexpr int kMargin = 4;

  // Drawn in `font` until the report sets its own.
  ReportDrawing(const QFont& font, QColor text, QColor background);

  void setFont(const QFont& font);
  void setColours(QColor text, QColor background);
  void print(std::string_view text);
  void tab(int column);
  void newLine();

  // Paints the runs that reach into `exposed` (canvas pixels); the canvas's own
  // background is the caller's.
  void paint(QPainter& painter, const QRect& exposed) const;

  QPointF cursor() const { return {x_, static_cast<qreal>(y_)}; }
  const ReportLines& lines() const { return lines_; }

 private:
  struct Face {
    QFont font;
    qreal columnWidth;
    int lineHeight;
    int ascent;
    bool fixedPitch;
  };
  struct Run {
    qreal x;
    int y;
    int right;  // the pixel after the background, so neighbouring runs meet exactly
    int face;
    QRgb text;
    QRgb background;
    QString chars;
  };

  // The cursor's new line; the text lines keep their own.
  void nextLine();
  const Face& face() const { return faces_[static_cast<std::size_t>(face_)]; }

  std::vector<Face> faces_;
  std::vector<Run> runs_;  // in the order printed, so their tops never decrease
  ReportLines lines_;
  int face_ = 0;
  int tallest_ = 0;
  QRgb text_;
  QRgb background_;
  qreal x_ = kMargin;
  int y_ = kMargin;
};

}  // namespace kestravo::gui
