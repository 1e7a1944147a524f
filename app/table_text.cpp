#include "app/table_text.h"

namespace kestravo {

std::string tableField(const std::string& text, TableFormat format) {
  const char* special = format == TableFormat::kCsv ? ",\"\r\n" : "\t\"\r\n";
  if (text.find_first_of(special) == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

std::string tableLine(const TextRow& cells, TableFormat format) {
  const char separator = format == TableFormat::kCsv ? ',' : '\t';
  std::string line;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) line += separator;
    line += tableField(cells[i], format);
  }
  return line + (format == TableFormat::kCsv ? "\r\n" : "\n");
}

std::string tableText(const TextList& list, const std::vector<int>& rows, TableFormat format) {
  std::string text = tableLine(list.titles, format);
  if (rows.empty()) {
    for (const TextRow& row : list.rows) text += tableLine(row, format);
  } else {
    for (const int r : rows) {
      if (r >= 0 && static_cast<std::size_t>(r) < list.rows.size()) {
        text += tableLine(list.rows[static_cast<std::size_t>(r)], format);
      }
    }
  }
  return text;
}

}  // namespace kestravo
