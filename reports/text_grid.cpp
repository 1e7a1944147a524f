#include "reports/text_grid.h"

#include "format/text.h"
#include "reports/padding.h"

namespace kestravo {

std::string TextGrid::Document::text() const {
  std::string out;
  for (const std::string& line : lines) {
    out += line;
    out += '\n';
  }
  const std::string_view last = withoutTrailingBlanks(current);
  if (!last.empty()) {
    out += last;
  } else if (!out.empty()) {
    out.pop_back();
  }
  return out;
}

namespace {

bool atOrBefore(TextGrid::Place a, TextGrid::Place b) {
  return a.line < b.line || (a.line == b.line && a.column <= b.column);
}

// The last change at or before `place`; changes are kept in drawing order.
template <typename Change>
const Change* changeAt(const std::vector<Change>& changes, TextGrid::Place place) {
  const Change* found = nullptr;
  for (const Change& c : changes) {
    if (!atOrBefore(c.at, place)) break;
    found = &c;
  }
  return found;
}

}  // namespace

ReportFont TextGrid::Document::fontAt(Place place) const {
  const FontChange* c = changeAt(fonts, place);
  return c ? c->font : ReportFont{};
}

TextGrid::ColourChange TextGrid::Document::coloursAt(Place place) const {
  const ColourChange* c = changeAt(colours, place);
  return c ? *c
           : ColourChange{place, ReportColour::defaultText(), ReportColour::defaultBackground()};
}

void TextGrid::open(const std::string& caption, const ReportGeometry& geometry) {
  Document& d = documents_.emplace_back();
  d.caption = caption;
  d.geometry = geometry;
}

void TextGrid::setFont(const ReportFont& font) { target().fonts.push_back({cursor(), font}); }

void TextGrid::setCanvas(int width, int height) {
  Document& d = target();
  d.canvasWidth = width;
  d.canvasHeight = height;
}

void TextGrid::setColours(ReportColour text, ReportColour background) {
  target().colours.push_back({cursor(), text, background});
}

void TextGrid::print(std::string_view text) { target().current += oneLine(text); }

void TextGrid::tab(int column) {
  if (column < 1) {
    newLine();
    return;
  }
  const auto to = static_cast<std::size_t>(column - 1);
  if (target().current.size() > to) newLine();
  padTo(target().current, to);
}

void TextGrid::newLine() {
  Document& d = target();
  d.lines.emplace_back(withoutTrailingBlanks(d.current));
  d.current.clear();
}

void TextGrid::waitForKey() { ++target().keyWaits; }

std::string TextGrid::text() const {
  return documents_.empty() ? std::string() : documents_.back().text();
}

TextGrid::Document& TextGrid::target() {
  if (documents_.empty()) documents_.emplace_back();
  return documents_.back();
}

TextGrid::Place TextGrid::cursor() {
  const Document& d = target();
  return {d.lines.size(), d.current.size()};
}

}  // namespace kestravo
