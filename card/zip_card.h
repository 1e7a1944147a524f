// Cards that arrive zipped: the card file is read from the archive in memory, never
// unpacked to disk, and a member too large for a card is refused from its header before a
// byte of it is inflated, so no archive can exhaust memory.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kestravo {

// True for a path ending in ".zip" in any letter case.
bool isZipPath(std::string_view path);

// True for a name ending in one of the card extensions (.drf, .eg, .jcp, .mcp, .pcs) in
// any letter case.
bool isCardName(std::string_view name);

struct ZipCard {
  enum class Status {
    kOk,
    kCannotOpen,    // the archive file cannot be read
    kDamaged,       // not a readable zip archive, or a member that does not inflate
    kNoCard,        // no member with a card extension
    kSeveralCards,  // more than one card and none chosen
    kNoSuchCard,    // the chosen name is not a card of the archive
    kEncrypted,     // the card member needs a password
    kTooLarge,      // the archive or the card member is over the limit
  };
  Status status = Status::kCannotOpen;
  std::vector<std::string> cardNames;  // every card member, in archive order
  std::string memberName;              // the card read
  std::string text;                    // its bytes
};

// Reads the card `wanted` (a member name as cardNames lists it; empty: the only card) from
// the archive at `path`. The archive file and the card member may each hold at most
// `limit` bytes.
ZipCard readCardFromZip(const std::string& path, std::string_view wanted, std::size_t limit);

// The message for the user when the card could not be read, upper case like every screen
// text; empty for kOk.
std::string zipCardMessage(const ZipCard& card, const std::string& path);

}  // namespace kestravo
