// Zip archives made for tests with libzip itself: named members, optionally encrypted.
#pragma once

#include <cstdint>
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

// The bytes of an archive of `members`, made in a folder of its own; empty when libzip
// refuses.
std::string zipBytes(const std::vector<ZipMember>& members);

// The archive `zip` (of one member) with the member's uncompressed size overwritten in its
// local and central headers, as a hostile archive would claim it. Empty when a header is
// not found.
std::string claimMemberSize(std::string zip, std::uint32_t size);

}  // namespace kestravo::testing
