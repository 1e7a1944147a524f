// The report canvas as plain text: every report the desktop draws in a window can be drawn
// on a grid of characters instead, for the command line, for saved copies and for checks.
// Fonts and colours are not shown, but what the report asked for is kept beside the text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "reports/report_canvas.h"

namespace kestravo {

class TextGrid : public ReportCanvas {
 public:
  // Where a font or colour change took effect: the 0-based line and the column of the
  // cursor on it.
  struct Place {
    std::size_t line = 0;
    std::size_t column = 0;
    friend bool operator==(const Place&, const Place&) = default;
  };
  struct FontChange {
    Place at;
    ReportFont font;
  };
  struct ColourChange {
    Place at;
    ReportColour text;
    ReportColour background;
  };

  // One opened report: what it was opened with and what was drawn on it.
  struct Document {
    std::string caption;
    ReportGeometry geometry;
    int canvasWidth = 0;
    int canvasHeight = 0;
    std::vector<FontChange> fonts;
    std::vector<ColourChange> colours;
    int keyWaits = 0;
    std::vector<std::string> lines;  // the ended lines, trailing blanks removed
    std::string current;             // the line the cursor is on

    // The ended lines, and the last line when it holds text, joined by '\n'.
    std::string text() const;
    // The font and colours in force at a place: the last change at or before it. Before
    // any change, a default font and the default colours.
    ReportFont fontAt(Place place) const;
    ColourChange coloursAt(Place place) const;
  };

  void open(const std::string& caption, const ReportGeometry& geometry) override;
  void setFont(const ReportFont& font) override;
  void setCanvas(int width, int height) override;
  void setColours(ReportColour text, ReportColour background) override;
  void print(std::string_view text) override;
  // A target left of the cursor starts a new line first; a target below column 1 starts a
  // new line at the margin.
  void tab(int column) override;
  void newLine() override;
  // Nothing waits on a grid; the wait is counted.
  void waitForKey() override;

  // Every opened report, in the order opened. Drawing before any open goes to a report
  // without caption, so nothing drawn is lost.
  const std::vector<Document>& documents() const { return documents_; }
  // The text of the last report opened; empty when there is none.
  std::string text() const;

 private:
  Document& target();
  Place cursor();

  std::vector<Document> documents_;
};

}  // namespace kestravo
