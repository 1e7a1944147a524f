#include "card/zip_card.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/card_builder.h"
#include "support/zip_maker.h"

namespace kestravo {
namespace {

using testing::TempFolder;
using testing::writeZip;
using testing::ZipMember;

constexpr std::size_t kLimit = 64u * 1024u * 1024u;
using Status = ZipCard::Status;

TEST(ZipCard, NamesByTheirEndingInAnyCase) {
  for (const char* zip : {"a.zip", "A.ZIP", "dir/b.Zip", ".zip"}) EXPECT_TRUE(isZipPath(zip));
  for (const char* other : {"a.zipx", "zip", "a.drf", "a.zi"}) EXPECT_FALSE(isZipPath(other));
  for (const char* card : {"SAR0812.DRF", "x.eg", "x.JCP", "x.Mcp", "dir/x.pcs"}) {
    EXPECT_TRUE(isCardName(card)) << card;
  }
  for (const char* other : {"readme.txt", "SAR0812.tch", "x.drf.bak", "drf"}) {
    EXPECT_FALSE(isCardName(other)) << other;
  }
}

TEST(ZipCard, TheOnlyCardIsReadInMemory) {
  TempFolder dir;
  const std::string zip = dir.file("cards.ZIP");
  ASSERT_TRUE(
      writeZip(zip, {{"readme.txt", "not a card"}, {"day/SAR0812.DRF", "\"1\",\"2\"\r\n"}}));
  const ZipCard card = readCardFromZip(zip, "", kLimit);
  EXPECT_EQ(card.status, Status::kOk);
  EXPECT_EQ(card.memberName, "day/SAR0812.DRF");
  EXPECT_EQ(card.text, "\"1\",\"2\"\r\n");
  EXPECT_EQ(zipCardMessage(card, zip), "");
}

TEST(ZipCard, SeveralCardsNeedAChoice) {
  TempFolder dir;
  const std::string zip = dir.file("two.zip");
  ASSERT_TRUE(writeZip(zip, {{"SAR0812.DRF", "first"}, {"SAR0813.drf", "second"}}));
  const ZipCard unchosen = readCardFromZip(zip, "", kLimit);
  EXPECT_EQ(unchosen.status, Status::kSeveralCards);
  EXPECT_EQ(unchosen.cardNames, (std::vector<std::string>{"SAR0812.DRF", "SAR0813.drf"}));
  EXPECT_TRUE(unchosen.text.empty());
  const ZipCard chosen = readCardFromZip(zip, "SAR0813.drf", kLimit);
  EXPECT_EQ(chosen.status, Status::kOk);
  EXPECT_EQ(chosen.text, "second");
  EXPECT_EQ(readCardFromZip(zip, "SAR0814.DRF", kLimit).status, Status::kNoSuchCard);
}

TEST(ZipCard, WhatCannotBeReadIsToldOnce) {
  TempFolder dir;
  const std::string empty = dir.file("empty.zip");
  ASSERT_TRUE(writeZip(empty, {{"notes.txt", "hello"}}));
  EXPECT_EQ(readCardFromZip(empty, "", kLimit).status, Status::kNoCard);

  const std::string locked = dir.file("locked.zip");
  ASSERT_TRUE(writeZip(locked, {{"SAR0812.DRF", "secret card", true}}));
  const ZipCard encrypted = readCardFromZip(locked, "", kLimit);
  EXPECT_EQ(encrypted.status, Status::kEncrypted);
  EXPECT_NE(zipCardMessage(encrypted, locked).find("SAR0812.DRF"), std::string::npos);

  const std::string whole = dir.file("whole.zip");
  ASSERT_TRUE(writeZip(whole, {{"SAR0812.DRF", std::string(5000, 'x')}}));
  std::string bytes = testing::readFile(whole);
  const std::string damaged = dir.write("damaged.zip", bytes.substr(0, bytes.size() / 2));
  EXPECT_EQ(readCardFromZip(damaged, "", kLimit).status, Status::kDamaged);
  EXPECT_EQ(readCardFromZip(dir.write("text.zip", "plain text"), "", kLimit).status,
            Status::kDamaged);
  EXPECT_EQ(readCardFromZip(dir.file("missing.zip"), "", kLimit).status, Status::kCannotOpen);
  EXPECT_EQ(readCardFromZip(dir.path().string(), "", kLimit).status, Status::kCannotOpen);
  for (const ZipCard::Status s : {Status::kNoCard, Status::kDamaged, Status::kTooLarge}) {
    ZipCard failed;
    failed.status = s;
    EXPECT_NE(zipCardMessage(failed, "X.zip").find("X.zip"), std::string::npos);
  }
}

// The card read last is kept, but only for the very same archive bytes: an archive
// written anew under the same name gives its new card.
TEST(ZipCard, AnArchiveChangedOnDiskIsReadAnew) {
  TempFolder dir;
  const std::string zip = dir.file("day.zip");
  for (const char* text : {"first card", "second card", "second card"}) {
    ASSERT_TRUE(writeZip(zip, {{"SAR0812.DRF", text}}));
    const ZipCard card = readCardFromZip(zip, "SAR0812.DRF", kLimit);
    EXPECT_EQ(card.status, Status::kOk);
    EXPECT_EQ(card.text, text);
    EXPECT_EQ(readCardFromZip(zip, "", kLimit).text, text);
  }
  ASSERT_TRUE(writeZip(zip, {{"SAR0812.DRF", "one"}, {"SAR0813.DRF", "two"}}));
  EXPECT_EQ(readCardFromZip(zip, "SAR0813.DRF", kLimit).text, "two");
  EXPECT_EQ(readCardFromZip(zip, "SAR0812.DRF", kLimit).text, "one");
  EXPECT_EQ(readCardFromZip(zip, "", kLimit).status, Status::kSeveralCards);
}

TEST(ZipCard, AMemberOverTheLimitIsRefusedFromItsHeader) {
  TempFolder dir;
  const std::string small = dir.file("small.zip");
  ASSERT_TRUE(writeZip(small, {{"SAR0812.DRF", std::string(100, 'y')}}));
  const std::string claimed = dir.write(
      "bomb.zip", testing::claimMemberSize(testing::readFile(small), 65u * 1024u * 1024u));
  EXPECT_EQ(readCardFromZip(claimed, "", kLimit).status, Status::kTooLarge);
  // A real member one byte over the limit; the archive itself is far smaller, so only the
  // member's size decides. An archive file over the limit is refused before it is opened.
  const std::string compressible = dir.file("compressible.zip");
  ASSERT_TRUE(writeZip(compressible, {{"SAR0812.DRF", std::string(4000, 'z')}}));
  ASSERT_LT(testing::readFile(compressible).size(), 1000u);
  EXPECT_EQ(readCardFromZip(compressible, "", 3999).status, Status::kTooLarge);
  EXPECT_EQ(readCardFromZip(compressible, "", 4000).status, Status::kOk);
  EXPECT_EQ(readCardFromZip(compressible, "", 64).status, Status::kTooLarge);
}

}  // namespace
}  // namespace kestravo
