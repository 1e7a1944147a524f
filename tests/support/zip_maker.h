// Zip archives made for tests with libzip itself: named members, optionally encrypted.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace kestravo::testing {

struct ZipMember {
  std::string name;
  std::string text;
  bool encrypted = false;
};

// Writes the archive to `path`; false when libzip refuses.
bool writeZip(const std::string& path, const std::vector<ZipMember>& members);

}  // namespace kestravo::testing
