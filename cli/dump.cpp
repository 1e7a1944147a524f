#include <string>

#include "card/card.h"
#include "cli/cli.h"

namespace kestravo::cli {

int dumpCommand(Card& card, const Arguments&, std::ostream& out) {
  // The lines are gathered in a buffer that is written out whenever it passes 64 KB, so even
  // the largest card is never held whole as text.
  constexpr std::size_t kWriteAt = 64 * 1024;
  std::string text;
  text.reserve(2 * kWriteAt);
  const auto write = [&] {
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    text.clear();
  };
  // Items are separated by tabs; the last one is a cell text, written escaped.
  const auto line = [&](std::initializer_list<std::string_view> items, std::string_view cell) {
    for (std::string_view item : items) {
      text += item;
      text += '\t';
    }
    appendEscaped(text, cell);
    text += '\n';
    if (text.size() >= kWriteAt) write();
  };
  line({"entryCount"}, std::to_string(card.entryCount()));
  line({"raceCount"}, std::to_string(card.raceCount));
  for (int r = 1; r <= card.raceCount; ++r) {
    line({"starters", std::to_string(r)},
         std::to_string(card.raceStarters[static_cast<std::size_t>(r)]));
  }
  for (int r = 1; r <= card.raceCount; ++r) {
    line({"raceLine", std::to_string(r)}, card.raceLine[static_cast<std::size_t>(r)]);
  }
  for (int row = 1; row <= card.entryCount(); ++row) {
    const std::string r = std::to_string(row);
    for (int column = 1; column < kColumnCount; ++column) {
      const std::string_view cell = card.matrix.text(row, column);
      if (!cell.empty()) line({"cell", r, std::to_string(column)}, cell);
    }
  }
  write();
  return kExitDone;
}

}  // namespace kestravo::cli
