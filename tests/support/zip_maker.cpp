#include "support/zip_maker.h"

#include <zip.h>

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

}  // namespace kestravo::testing
