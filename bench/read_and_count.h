// The baseline every card timing is set against: the bytes of the card read into a buffer
// kept between runs, and their commas counted. No reading of a card can be faster.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <string>

namespace kestravo::bench {

// The commas of the file at `path`, read into `buffer`; 0 when it cannot be read.
inline std::size_t readAndCountCommas(const std::string& path, std::string& buffer) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return 0;
  buffer.resize(static_cast<std::size_t>(std::filesystem::file_size(path)));
  const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), f);
  std::fclose(f);
  return static_cast<std::size_t>(std::count(buffer.data(), buffer.data() + n, ','));
}

}  // namespace kestravo::bench
