#include "support/zip_maker.h"

#include <zip.h>

#include "support/card_builder.h"

namespace kestravo::testing {

bool writeZip(const std::string& path, const std::vector<ZipMember>& members) {
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (!archive) return false;
  for (const ZipMember& m : members) {
    zip_source_t* source = zip_source_buffer(archive, m.text.data(), m.text.size(), 0);
    const zip_int64_t index =
        source ? zip_file_add(archive, m.name.c_str(), source, ZIP_FL_ENC_UTF_8) : -1;
    if (index < 0) {
      zip_source_free(source);
      zip_discard(archive);
      return false;
    }
    if (m.encrypted && zip_file_set_encryption(archive, static_cast<zip_uint64_t>(index),
                                               ZIP_EM_AES_256, "secret") != 0) {
      zip_discard(archive);
      return false;
    }
  }
  return zip_close(archive) == 0;
}

std::string zipBytes(const std::vector<ZipMember>& members) {
  const TempFolder folder;
  const std::string path = folder.file("made.zip");
  return writeZip(path, members) ? readFile(path) : std::string();
}

std::string claimMemberSize(std::string zip, std::uint32_t size) {
  // Offsets of the uncompressed size in a local file header and a central directory entry.
  constexpr std::size_t kLocalSize = 22;
  constexpr std::size_t kCentralSize = 24;
  const auto patch = [&](const std::string& signature, std::size_t sizeOffset) {
    const std::size_t at = zip.find(signature);
    if (at == std::string::npos) return false;
    for (int i = 0; i < 4; ++i) {
      zip[at + sizeOffset + static_cast<std::size_t>(i)] = static_cast<char>(size >> (8 * i));
    }
    return true;
  };
  if (!patch(std::string("PK\x03\x04", 4), kLocalSize) ||
      !patch(std::string("PK\x01\x02", 4), kCentralSize)) {
    return {};
  }
  return zip;
}

}  // namespace kestravo::testing
