// Whole-file reads with a size limit, and atomic replacement of a small file, for the
// data file and the scratch file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kestravo {

enum class ReadStatus { kOk, kCannotOpen, kTooLarge };

// Reads at most `limit` bytes; a file holding more is refused without reading the rest,
// so a device or a huge file can neither hang nor exhaust memory. `out` is overwritten,
// its room used again; it is empty after a failure.
ReadStatus readWholeFile(const std::string& path, std::size_t limit, std::string& out);

bool fileExists(const std::string& path);

// Writes `text` to a temporary file beside `path`, then renames it over `path`.
bool replaceFile(const std::string& path, std::string_view text);

}  // namespace kestravo
