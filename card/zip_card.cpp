#include "card/zip_card.h"

#include <zip.h>

#include <algorithm>
#include <cctype>
#include <memory>

#include "card/file_io.h"

namespace kestravo {

namespace {

bool endsWithIgnoringCase(std::string_view text, std::string_view ending) {
  if (text.size() < ending.size()) return false;
  return std::equal(ending.begin(), ending.end(), text.end() - static_cast<long>(ending.size()),
                    [](char a, char b) {
                      return std::tolower(static_cast<unsigned char>(a)) ==
                             std::tolower(static_cast<unsigned char>(b));
                    });
}

struct ArchiveCloser {
  void operator()(zip_t* z) const { zip_discard(z); }
};
struct MemberCloser {
  void operator()(zip_file_t* f) const { zip_fclose(f); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;
using Member = std::unique_ptr<zip_file_t, MemberCloser>;

Archive openArchive(const std::string& bytes) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
  zip_error_fini(&error);
  if (!source) return nullptr;
  zip_error_init(&error);
  zip_t* archive = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
  zip_error_fini(&error);
  if (!archive) zip_source_free(source);
  return Archive(archive);
}

// Inflates at most `limit` bytes: a header that understates the member cannot make the
// read grow past it.
ZipCard::Status inflate(zip_t* archive, zip_uint64_t index, zip_uint64_t size, std::size_t limit,
                        std::string& out) {
  Member member(zip_fopen_index(archive, index, 0));
  if (!member) {
    return zip_error_code_zip(zip_get_error(archive)) == ZIP_ER_NOPASSWD
               ? ZipCard::Status::kEncrypted
               : ZipCard::Status::kDamaged;
  }
  out.resize(static_cast<std::size_t>(size) + 1);
  std::size_t have = 0;
  for (;;) {
    if (have == out.size()) {
      if (out.size() > limit) return ZipCard::Status::kTooLarge;
      out.resize(std::min(out.size() * 2, limit + 1));
    }
    const zip_int64_t n = zip_fread(member.get(), out.data() + have, out.size() - have);
    if (n < 0) return ZipCard::Status::kDamaged;
    if (n == 0) break;
    have += static_cast<std::size_t>(n);
  }
  if (have > limit) return ZipCard::Status::kTooLarge;
  out.resize(have);
  return ZipCard::Status::kOk;
}

std::string baseName(std::string_view name) {
  const std::size_t slash = name.find_last_of("/\\");
  return std::string(slash == std::string_view::npos ? name : name.substr(slash + 1));
}

}  // namespace

bool isZipPath(std::string_view path) { return endsWithIgnoringCase(path, ".zip"); }

bool isCardName(std::string_view name) {
  for (const std::string_view extension : {".drf", ".eg", ".jcp", ".mcp", ".pcs"}) {
    if (endsWithIgnoringCase(name, extension)) return true;
  }
  return false;
}

namespace {

// The card `wanted` of the archive `bytes`.
ZipCard readCardFromBytes(const std::string& bytes, std::string_view wanted, std::size_t limit) {
  ZipCard card;
  const Archive archive = openArchive(bytes);
  if (!archive) {
    card.status = ZipCard::Status::kDamaged;
    return card;
  }
  std::vector<zip_uint64_t> cards;
  const zip_int64_t entries = zip_get_num_entries(archive.get(), 0);
  for (zip_int64_t i = 0; i < entries; ++i) {
    const char* name = zip_get_name(archive.get(), static_cast<zip_uint64_t>(i), 0);
    if (!name || std::string_view(name).ends_with('/') || !isCardName(name)) continue;
    cards.push_back(static_cast<zip_uint64_t>(i));
    card.cardNames.emplace_back(name);
  }
  std::size_t chosen = 0;
  if (cards.empty()) {
    card.status = ZipCard::Status::kNoCard;
    return card;
  }
  if (wanted.empty()) {
    if (cards.size() > 1) {
      card.status = ZipCard::Status::kSeveralCards;
      return card;
    }
  } else {
    const auto at = std::find(card.cardNames.begin(), card.cardNames.end(), wanted);
    if (at == card.cardNames.end()) {
      card.status = ZipCard::Status::kNoSuchCard;
      return card;
    }
    chosen = static_cast<std::size_t>(at - card.cardNames.begin());
  }
  card.memberName = card.cardNames[chosen];
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat_index(archive.get(), cards[chosen], 0, &stat) != 0 ||
      !(stat.valid & ZIP_STAT_SIZE)) {
    card.status = ZipCard::Status::kDamaged;
    return card;
  }
  if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE) {
    card.status = ZipCard::Status::kEncrypted;
    return card;
  }
  // The header's own size decides before anything is inflated.
  if (stat.size > limit) {
    card.status = ZipCard::Status::kTooLarge;
    return card;
  }
  card.status = inflate(archive.get(), cards[chosen], stat.size, limit, card.text);
  if (card.status != ZipCard::Status::kOk) card.text.clear();
  return card;
}

}  // namespace

ZipCard readCardFromZip(const std::string& path, std::string_view wanted, std::size_t limit) {
  std::string bytes;
  switch (readWholeFile(path, limit, bytes)) {
    case ReadStatus::kCannotOpen:
      return ZipCard{ZipCard::Status::kCannotOpen, {}, {}, {}};
    case ReadStatus::kTooLarge:
      return ZipCard{ZipCard::Status::kTooLarge, {}, {}, {}};
    case ReadStatus::kOk:
      break;
  }
  return readCardFromBytes(bytes, wanted, limit);
}

std::string zipCardMessage(const ZipCard& card, const std::string& path) {
  const std::string member = baseName(card.memberName);
  switch (card.status) {
    case ZipCard::Status::kOk:
      return {};
    case ZipCard::Status::kCannotOpen:
      return "CANNOT OPEN THE DATA FILE " + path;
    case ZipCard::Status::kDamaged:
      return "THE ZIP FILE IS DAMAGED AND WAS NOT LOADED: " + path;
    case ZipCard::Status::kNoCard:
      return "THE ZIP FILE HOLDS NO DATA FILE (.DRF, .EG, .JCP, .MCP OR .PCS): " + path;
    case ZipCard::Status::kSeveralCards:
      return "THE ZIP FILE HOLDS SEVERAL DATA FILES; CHOOSE ONE: " + path;
    case ZipCard::Status::kNoSuchCard:
      return "THE ZIP FILE HOLDS NO SUCH DATA FILE: " + path;
    case ZipCard::Status::kEncrypted:
      return "THE DATA FILE " + member +
             " IN THE ZIP FILE IS ENCRYPTED AND WAS NOT LOADED: " + path;
    case ZipCard::Status::kTooLarge:
      return "THE ZIP FILE OR ITS DATA FILE IS LARGER THAN 64 MB AND WAS NOT LOADED: " + path;
  }
  return {};
}

}  // namespace kestravo
