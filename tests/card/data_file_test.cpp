#include "card/data_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "card/columns.h"
#include "support/card_builder.h"
#include "support/card_rows.h"

namespace kestravo {
namespace {

using testing::CardBuilder;
using testing::TempFolder;

LoadProblems load(Card& card, const std::string& path) {
  card.dataFilePath = path;
  return readDataFile(card);
}

TEST(DataFile, UnixLineEndsLoadLikeTheVendorsOwn) {
  TempFolder dir;
  std::string text = CardBuilder().entry(1, 1, "A").entry(1, 2, "B").entry(2, 1, "C").text();
  std::string unix;
  for (char c : text) {
    if (c != '\r') unix += c;
  }
  Card crlf, lf;
  load(crlf, dir.write("CRLF.DRF", text));
  load(lf, dir.write("LF.DRF", unix));
  ASSERT_EQ(lf.entryCount(), 3);
  EXPECT_EQ(lf.raceCount, 2);
  for (int row = 1; row <= 3; ++row) {
    for (int c = 1; c <= kFieldCount; ++c)
      EXPECT_EQ(lf.matrix.text(row, c), crlf.matrix.text(row, c));
  }
}

TEST(DataFile, RacesAreTheExactRaceNumbersOneTo99) {
  TempFolder dir;
  Card card;
  load(card, dir.write("R.DRF", CardBuilder()
                                    .entry(2, 1)
                                    .entry(2, 2)
                                    .entry(1, 1)
                                    .entry(0, 1)
                                    .set(3, " 7")
                                    .entry(0, 1)
                                    .set(3, "3.5")
                                    .entry(0, 1)
                                    .set(3, "100")
                                    .entry(0, 1)
                                    .set(3, "abc")
                                    .entry(0, 1)
                                    .set(3, "0")
                                    .text()));
  EXPECT_EQ(card.entryCount(), 8);
  EXPECT_EQ(raceOf(card.matrix, 1), 2);
  EXPECT_EQ(raceOf(card.matrix, 4), 7);
  for (int row = 5; row <= 8; ++row) EXPECT_EQ(raceOf(card.matrix, row), 0) << row;
  // The highest race with an entry, not the last record's race.
  EXPECT_EQ(card.raceCount, 7);
  EXPECT_EQ(testing::startersByRace(card.matrix, card.raceCount),
            (RaceStarters{0, 1, 2, 0, 0, 0, 0, 1}));
}

TEST(DataFile, StartersLeaveOutScratchedEntries) {
  TempFolder dir;
  const std::string path =
      dir.write("S.DRF", CardBuilder().entry(1, 1).entry(1, 2).entry(1, 3).text());
  dir.write("S.tch",
            "\"\",\"\",\"1\",\"1\",\"\",\"\",\"\"\r\n\"\",\"\",\"1\",\"2\",\"\",\"\",\"S\"\r\n");
  Card card;
  load(card, path);
  EXPECT_EQ(testing::startersByRace(card.matrix, card.raceCount), (RaceStarters{0, 2}));
}

TEST(DataFile, AMissingFileIsToldAndLeavesAnEmptyCard) {
  TempFolder dir;
  Card card;
  const LoadProblems problems = load(card, dir.file("NONE.DRF"));
  EXPECT_FALSE(problems.dataFileRead);
  ASSERT_EQ(problems.messages.size(), 1u);
  EXPECT_EQ(problems.messages[0], "CANNOT OPEN THE DATA FILE " + dir.file("NONE.DRF"));
  EXPECT_EQ(card.entryCount(), 0);
  EXPECT_EQ(card.raceCount, 0);
  EXPECT_FALSE(std::filesystem::exists(dir.file("NONE.tch")));
}

TEST(DataFile, OnlyAPlainFileIsADataFile) {
  TempFolder dir;
  Card card;
  EXPECT_FALSE(load(card, dir.path().string()).dataFileRead);
  // A pipe with no writer would block the open forever.
  const std::string pipe = dir.file("PIPE.DRF");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_FALSE(load(card, pipe).dataFileRead);
  EXPECT_FALSE(load(card, "/dev/zero").dataFileRead);
}

TEST(DataFile, AScratchFileIsNeverTakenForACard) {
  TempFolder dir;
  const std::string card = testing::CardBuilder().entry(1, 1).text();
  const std::string linked = dir.write("LINKED.tch", card);
  std::filesystem::create_symlink(linked, dir.file("LINKED.DRF"));
  const std::string paths[] = {dir.write("CARD.tch", card), dir.write("CARD.TCH", card),
                               dir.write("card.Tch", card), dir.file("LINKED.DRF")};
  for (const std::string& path : paths) {
    Card loaded;
    const LoadProblems problems = load(loaded, path);
    EXPECT_FALSE(problems.dataFileRead) << path;
    EXPECT_EQ(problems.messages,
              std::vector<std::string>{
                  "THE DATA FILE WOULD BE ITS OWN SCRATCH FILE (.TCH) AND WAS NOT LOADED: " + path})
        << path;
    EXPECT_EQ(loaded.entryCount(), 0) << path;
    EXPECT_EQ(testing::readFile(path), card) << path;
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 5);
}

// A load reuses the memory of the card before it: nothing of that card may show through.
TEST(DataFile, ALoadAfterAnotherReadsOnlyItsOwnFile) {
  TempFolder dir;
  const std::string wide = dir.write(
      "WIDE.DRF", CardBuilder().entry(1, 1, "A").set(900, "x").entry(1, 2, "B").entry(2, 1).text());
  const std::string narrow = dir.write("NARROW.DRF", "1,2,3\r\n,,\"\"\r\n");
  Card reused, fresh;
  load(reused, wide);
  load(reused, narrow);
  load(fresh, narrow);
  ASSERT_EQ(reused.entryCount(), 2);
  for (int row = 0; row <= 3; ++row) {
    for (int c = 1; c < kColumnCount; ++c) {
      ASSERT_EQ(reused.matrix.text(row, c), fresh.matrix.text(row, c)) << row << " " << c;
    }
  }
  load(reused, wide);
  EXPECT_EQ(reused.entryCount(), 3);
  EXPECT_EQ(reused.matrix.text(1, 900), "x");
}

TEST(DataFile, AnEmptyPathLoadsAnEmptyCardWithoutAScratchFile) {
  Card card;
  const LoadProblems problems = load(card, "");
  EXPECT_TRUE(problems.messages.empty());
  EXPECT_EQ(card.entryCount(), 0);
  EXPECT_EQ(card.scratchFileName, "");
}

TEST(DataFile, TooManyRecordsAreRefusedAndTheScratchFileIsNotTouched) {
  TempFolder dir;
  std::string text;
  for (int i = 0; i <= kMaxDataFileRecords; ++i) text += "1\n";
  Card card;
  const LoadProblems problems = load(card, dir.write("BIG.DRF", text));
  EXPECT_FALSE(problems.dataFileRead);
  ASSERT_EQ(problems.messages.size(), 1u);
  EXPECT_NE(problems.messages[0].find("MORE THAN 10,000 RECORDS"), std::string::npos);
  EXPECT_EQ(card.entryCount(), 0);
  EXPECT_FALSE(std::filesystem::exists(dir.file("BIG.tch")));

  text.resize(text.size() - 2);  // exactly the limit loads
  EXPECT_TRUE(load(card, dir.write("BIG.DRF", text)).dataFileRead);
  EXPECT_EQ(card.entryCount(), kMaxDataFileRecords);
}

TEST(DataFile, AFileLargerThan64MegabytesIsRefused) {
  TempFolder dir;
  const std::string path = dir.file("HUGE.DRF");
  {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fseek(f, static_cast<long>(kMaxDataFileBytes), SEEK_SET);
    std::fputc('x', f);
    std::fclose(f);
  }
  Card card;
  const LoadProblems problems = load(card, path);
  EXPECT_FALSE(problems.dataFileRead);
  ASSERT_EQ(problems.messages.size(), 1u);
  EXPECT_NE(problems.messages[0].find("LARGER THAN 64 MB"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir.file("HUGE.tch")));
}

TEST(DataFile, ALoadReplacesThePreviousCardWhole) {
  TempFolder dir;
  Card card;
  load(card, dir.write("A.DRF", CardBuilder().entry(3, 1, "OLD").entry(3, 2).text()));
  card.matrix.setText(1, 1999, "left over");
  load(card, dir.write("B.DRF", CardBuilder().entry(1, 1, "NEW").text()));
  EXPECT_EQ(card.entryCount(), 1);
  EXPECT_EQ(card.raceCount, 1);
  EXPECT_EQ(card.matrix.text(1, field::kHorseName), "NEW");
  EXPECT_EQ(card.matrix.text(1, 1999), "");
}

}  // namespace
}  // namespace kestravo
