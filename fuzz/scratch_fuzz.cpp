// Fuzzes the scratch-file reader and writer: a file as read, written and read again, must
// give back every field (quotes inside a field come back as apostrophes), so a hand-edited
// or damaged scratch file can never shift one horse's mark onto another.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "card/scratch_file.h"

namespace {
void check(bool ok) {
  if (!ok) std::abort();
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
  return 0;
}
