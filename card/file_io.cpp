#include "card/file_io.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace kestravo {

ReadStatus readWholeFile(const std::string& path, std::size_t limit, std::string& out) {
  std::error_code ec;
  // Only a plain file is a card: a folder cannot be read, and a device or a pipe could
  // block the program forever.
  std::FILE* f = path.empty() || !std::filesystem::is_regular_file(path, ec)
                     ? nullptr
                     : std::fopen(path.c_str(), "rb");
  if (!f) {
    out.clear();
    return ReadStatus::kCannotOpen;
  }
  const auto size = std::filesystem::file_size(path, ec);
  if (!ec && size > limit) {
    std::fclose(f);
    out.clear();
    return ReadStatus::kTooLarge;
  }
  // Read straight into the result, over whatever it held: text it already holds need not be
  // cleared first. A file that is still growing (or has no size, like a pipe) is read on in
  // chunks up to the limit.
  std::size_t chunk = ec ? std::size_t{1} << 16 : static_cast<std::size_t>(size) + 1;
  std::size_t have = 0;
  ReadStatus status = ReadStatus::kOk;
  for (;;) {
    if (out.size() < have + chunk) out.resize(have + chunk);
    const std::size_t n = std::fread(out.data() + have, 1, chunk, f);
    have += n;
    if (have > limit) {
      status = ReadStatus::kTooLarge;
      break;
    }
    if (n < chunk) break;
    chunk = std::size_t{1} << 16;
  }
  out.resize(have);
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
