// Fuzzes the scratch-file reader and writer: a file as read, written and read again, must
// give back every field (quotes inside a field come back as apostrophes), so a hand-edited
// or damaged scratch file can never shift one horse's mark onto another.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "card/file_io.h"
#include "card/scratch_file.h"

namespace {
void check(bool ok) {
  if (!ok) std::abort();
}

const std::string& scratchPath() {
  static const std::string path = [] {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("kestravo-scratch-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return (dir / "FUZ0101.tch").string();
  }();
  return path;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int entries = data[0] % 32;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  const kestravo::ScratchTable first = kestravo::readScratchTable(std::string(text), entries);
  const kestravo::ScratchTable again =
      kestravo::readScratchTable(kestravo::scratchFileText(first), entries);
  for (int row = 1; row <= entries; ++row) {
    for (int f = 1; f <= kestravo::scratch::kFieldCount; ++f) {
      std::string expected(first.field(row, f));
      for (char& c : expected) {
        if (c == '"') c = '\'';
      }
      check(again.field(row, f) == expected);
    }
  }
  // One input in four also goes through the real save, which must leave exactly the text
  // on disk and read back to the same table.
  if (data[0] & 0x40 && data[0] & 0x20) {
    std::string error;
    check(kestravo::WriteScratchFile(first, scratchPath(), &error));
    std::string written;
    check(kestravo::readWholeFile(scratchPath(), 64u << 20, written) == kestravo::ReadStatus::kOk);
    check(written == kestravo::scratchFileText(first));
  }
  return 0;
}
