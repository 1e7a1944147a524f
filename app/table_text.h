// Lists as text a spreadsheet takes: tab-separated rows for the clipboard and RFC 4180
// comma-separated rows for files, titles first, so a handicapper can keep the card's
// numbers beside his own.
#pragma once

#include <string>
#include <vector>

#include "app/text_list.h"

namespace kestravo {

enum class TableFormat { kTabs, kCsv };

// One field as the format writes it. A CSV field holding a comma, a quote, CR or LF is
// quoted with its quotes doubled; a tab-separated field is quoted the same way when it
// holds a tab, a quote or a line break, as spreadsheets read pasted text.
std::string tableField(const std::string& text, TableFormat format);

// One line of fields, ended by CR LF for CSV and by LF for tab-separated text.
std::string tableLine(const TextRow& cells, TableFormat format);

// The titles and the rows `rows` (0-based indexes into list.rows; all rows when empty).
std::string tableText(const TextList& list, const std::vector<int>& rows, TableFormat format);

}  // namespace kestravo
