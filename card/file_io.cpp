#include "card/file_io.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace kestravo {

ReadStatus readWholeFile(const std::string& path, std::size_t limit, std::string& out) {
  out.clear();
  std::error_code ec;
  if (path.empty() || std::filesystem::is_directory(path, ec)) return ReadStatus::kCannotOpen;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return ReadStatus::kCannotOpen;
  const auto size = std::filesystem::file_size(path, ec);
  if (!ec && size > limit) {
    std::fclose(f);
    return ReadStatus::kTooLarge;
  }
  if (!ec) out.reserve(static_cast<std::size_t>(size));
  char buffer[1 << 16];
  ReadStatus status = ReadStatus::kOk;
  for (;;) {
    const std::size_t n = std::fread(buffer, 1, sizeof buffer, f);
    if (n == 0) break;
    if (out.size() + n > limit) {
      status = ReadStatus::kTooLarge;
      break;
    }
    out.append(buffer, n);
  }
  if (status == ReadStatus::kOk && std::ferror(f)) status = ReadStatus::kCannotOpen;
  std::fclose(f);
  if (status != ReadStatus::kOk) out.clear();
  return status;
}

bool fileExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::exists(path, ec);
}

bool replaceFile(const std::string& path, std::string_view text) {
  const std::string temporary = path + ".~new";
  std::FILE* f = std::fopen(temporary.c_str(), "wb");
  if (!f) return false;
  const bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
  const bool closed = std::fclose(f) == 0;
  std::error_code ec;
  if (!written || !closed) {
    std::filesystem::remove(temporary, ec);
    return false;
  }
  std::filesystem::rename(temporary, path, ec);
  if (ec) {
    std::filesystem::remove(temporary, ec);
    return false;
  }
  return true;
}

}  // namespace kestravo
