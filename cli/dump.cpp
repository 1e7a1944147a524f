#include <string>

#include "card/card.h"
#include "cli/cli.h"

namespace kestravo::cli {

int dumpCommand(Card& card, const Arguments&, std::ostream& out) {
  std::string text;
  text.reserve(1 << 20);
  const auto line = [&](std::initializer_list<std::string_view> items) {
    bool first = true;
    for (std::string_view item : items) {
      if (!first) text += '\t';
      text += item;
      first = false;
    }
    text += '\n';
  };
  line({"entryCount", std::to_string(card.entryCount())});
  line({"raceCount", std::to_string(card.raceCount)});
  for (int r = 1; r <= card.raceCount; ++r) {
    line({"starters", std::to_string(r),
          std::to_string(card.raceStarters[static_cast<std::size_t>(r)])});
  }
  for (int r = 1; r <= card.raceCount; ++r) {
    line({"raceLine", std::to_string(r), escapeCell(card.raceLine[static_cast<std::size_t>(r)])});
  }
  for (int row = 1; row <= card.entryCount(); ++row) {
    const std::string r = std::to_string(row);
    for (int column = 1; column < kColumnCount; ++column) {
      const std::string_view cell = card.matrix.text(row, column);
      if (!cell.empty()) line({"cell", r, std::to_string(column), escapeCell(cell)});
    }
  }
  out << text;
  return kExitDone;
}

}  // namespace kestravo::cli
