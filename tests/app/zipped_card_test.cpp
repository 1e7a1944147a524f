#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/load_card.h"
#include "app/scratch_window.h"
#include "card/columns.h"
#include "support/card_builder.h"
#include "support/zip_maker.h"

namespace kestravo {
namespace {

using testing::CardBuilder;
using testing::readFile;
using testing::TempFolder;
using testing::writeZip;

std::string twoRaces(std::string_view firstHorse = "ALPHA") {
  return CardBuilder()
      .entry(1, 1, firstHorse)
      .set(field::kDistance, "1320")
      .entry(1, 2, "BRAVO")
      .entry(2, 1, "CHARLIE")
      .set(field::kPurse, "24000")
      .text();
}

Card opened(const std::string& path, const std::string& member = "") {
  Card card;
  card.dataFilePath = path;
  card.archiveMember = member;
  openCard(card);
  return card;
}

void expectSameCard(const Card& zipped, const Card& plain) {
  ASSERT_EQ(zipped.entryCount(), plain.entryCount());
  EXPECT_EQ(zipped.raceCount, plain.raceCount);
  EXPECT_EQ(zipped.raceLine, plain.raceLine);
  for (int row = 1; row <= plain.entryCount(); ++row) {
    for (int c = 1; c < kColumnCount; ++c) {
      ASSERT_EQ(zipped.matrix.text(row, c), plain.matrix.text(row, c)) << row << " " << c;
    }
  }
}

// The card inside any archive (upper-case .ZIP, a folder inside) computes as the same card
// unzipped, race lines included; its scratch file lies beside the archive, named after it.
TEST(ZippedCard, OpensAsTheSameCardUnzipped) {
  TempFolder zipFolder, plainFolder;
  const std::string zip = zipFolder.file("CARDS.ZIP");
  ASSERT_TRUE(writeZip(zip, {{"notes.txt", "not a card"}, {"day/SAR0812.DRF", twoRaces()}}));
  const Card card = opened(zip);
  EXPECT_EQ(card.archiveMember, "day/SAR0812.DRF");
  EXPECT_EQ(card.scratchFileName, zipFolder.file("SAR0812.tch"));
  EXPECT_EQ(zipFolder.names(), (std::vector<std::string>{"CARDS.ZIP", "SAR0812.tch"}));
  ASSERT_EQ(card.raceCount, 2);
  EXPECT_EQ(card.raceLine[2].substr(0, 2), " 2");
  expectSameCard(card, opened(plainFolder.write("SAR0812.DRF", twoRaces())));
  EXPECT_EQ(readFile(card.scratchFileName), readFile(plainFolder.file("SAR0812.tch")));
}

TEST(ZippedCard, WhatCannotBeLoadedIsToldOnceAndNothingIsWritten) {
  TempFolder dir;
  const std::string bytes = testing::zipBytes({{"SAR0812.DRF", twoRaces()}});
  ASSERT_FALSE(bytes.empty());
  struct Case {
    const char* name;
    std::vector<testing::ZipMember> members;  // when empty, `raw` is the file
    std::string raw;
    std::string message;  // before the archive's path
  };
  const Case cases[] = {
      {"none.zip",
       {{"notes.txt", "hello"}},
       "",
       "THE ZIP FILE HOLDS NO DATA FILE (.DRF, .EG, .JCP, .MCP OR .PCS): "},
      {"cut.zip",
       {},
       bytes.substr(0, bytes.size() / 2),
       "THE ZIP FILE IS DAMAGED AND WAS NOT LOADED: "},
      {"locked.Zip",
       {{"SAR0812.DRF", twoRaces(), true}},
       "",
       "THE DATA FILE SAR0812.DRF IN THE ZIP FILE IS ENCRYPTED AND WAS NOT LOADED: "},
      {"bomb.zip",
       {},
       testing::claimMemberSize(bytes, 65u * 1024u * 1024u),
       "THE ZIP FILE OR ITS DATA FILE IS LARGER THAN 64 MB AND WAS NOT LOADED: "},
      {"two.zip",
       {{"SAR0812.DRF", twoRaces()}, {"SAR0813.DRF", twoRaces()}},
       "",
       "THE ZIP FILE HOLDS SEVERAL DATA FILES; CHOOSE ONE: "},
  };
  for (const Case& c : cases) {
    const std::string path = dir.file(c.name);
    if (c.members.empty()) {
      ASSERT_FALSE(c.raw.empty()) << c.name;
      dir.write(c.name, c.raw);
    } else {
      ASSERT_TRUE(writeZip(path, c.members)) << c.name;
    }
    Card card;
    card.dataFilePath = path;
    const LoadProblems problems = openCard(card);
    EXPECT_FALSE(problems.dataFileRead) << c.name;
    EXPECT_EQ(problems.messages, std::vector<std::string>{c.message + path}) << c.name;
    EXPECT_EQ(card.entryCount(), 0) << c.name;
    EXPECT_EQ(card.raceCount, 0) << c.name;
    EXPECT_EQ(dir.names(), std::vector<std::string>{c.name}) << c.name;
    std::filesystem::remove(path);
  }
}

// A scratch file standing for the archive itself would overwrite it at the first save.
TEST(ZippedCard, AnArchiveThatWouldBeItsCardsScratchFileIsRefused) {
  TempFolder dir;
  const std::string zip = dir.file("CARDS.zip");
  ASSERT_TRUE(writeZip(zip, {{"SAR0812.DRF", twoRaces()}}));
  const std::string archive = readFile(zip);
  std::filesystem::create_symlink(zip, dir.file("SAR0812.tch"));
  Card card;
  card.dataFilePath = zip;
  const LoadProblems problems = openCard(card);
  EXPECT_FALSE(problems.dataFileRead);
  EXPECT_EQ(problems.messages,
            std::vector<std::string>{
                "THE DATA FILE WOULD BE ITS OWN SCRATCH FILE (.TCH) AND WAS NOT LOADED: " + zip});
  EXPECT_EQ(card.entryCount(), 0);
  EXPECT_EQ(readFile(zip), archive);
}

// An archive of several cards names them and loads none; the card chosen by name loads,
// and every reload after a change of scratches reads that same card.
TEST(ZippedCard, OneOfSeveralCardsIsChosenByNameAndKeptThroughScratches) {
  TempFolder dir;
  const std::string zip = dir.file("week.zip");
  ASSERT_TRUE(writeZip(zip, {{"SAR0812.DRF", twoRaces("MONDAY")},
                             {"SAR0813.drf", twoRaces("TUESDAY")},
                             {"SAR0813.tch", "not a card"}}));
  Card unchosen;
  unchosen.dataFilePath = zip;
  EXPECT_EQ(openCard(unchosen).cardChoices,
            (std::vector<std::string>{"SAR0812.DRF", "SAR0813.drf"}));
  EXPECT_EQ(dir.names(), std::vector<std::string>{"week.zip"});

  Card card = opened(zip, "SAR0813.drf");
  ASSERT_EQ(card.entryCount(), 3);
  EXPECT_EQ(card.matrix.text(1, field::kHorseName), "TUESDAY");
  EXPECT_EQ(card.scratchFileName, dir.file("SAR0813.tch"));

  const std::string archive = readFile(zip);
  ScratchWindow window(card);
  ASSERT_EQ(window.doubleClick(0), "");
  const LoadProblems reload = loadCard(card);
  EXPECT_TRUE(reload.messages.empty());
  EXPECT_EQ(card.matrix.text(1, field::kHorseName), "TUESDAY");
  EXPECT_TRUE(card.matrix.scratched(1));
  EXPECT_EQ(readFile(zip), archive) << "the archive is only read";
  // A later open of the same card finds the scratch beside the archive.
  const Card again = opened(zip, "SAR0813.drf");
  EXPECT_TRUE(again.matrix.scratched(1));
  EXPECT_FALSE(opened(zip, "SAR0812.DRF").matrix.scratched(1));
  EXPECT_EQ(dir.names(), (std::vector<std::string>{"SAR0812.tch", "SAR0813.tch", "week.zip"}));
}

}  // namespace
}  // namespace kestravo
