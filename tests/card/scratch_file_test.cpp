#include "card/scratch_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "card/columns.h"
#include "card/data_file.h"
#include "card/file_io.h"
#include "support/card_builder.h"

namespace kestravo {
namespace {

using testing::CardBuilder;
using testing::readFile;
using testing::TempFolder;

TEST(ScratchFileName, SitsBesideTheDataFile) {
  EXPECT_EQ(scratchFileName("/cards/SAR0812.DRF"), "/cards/SAR0812.tch");
  EXPECT_EQ(scratchFileName("SAR0812_SCR.DRF"), "SAR0812_SCR.tch");
  EXPECT_EQ(scratchFileName("C:\\cards\\sar0812.drf"), "C:\\cards\\sar0812.tch");
  EXPECT_EQ(scratchFileName("card.v2.eg"), "card.v2.tch");
  EXPECT_EQ(scratchFileName("/x.y/card"), "/x.y/card.tch");
  EXPECT_EQ(scratchFileName("card."), "card.tch");
  EXPECT_EQ(scratchFileName(""), "");
}

std::string twoEntryCard() {
  return CardBuilder()
      .entry(1, 1, "FIRST HORSE")
      .set(1, "KSV")
      .set(2, "20261208")
      .set(6, "-1320")
      .set(7, "D")
      .set(9, "M")
      .set(11, "MSW 40000")
      .set(43, "1")
      .set(44, "2.5")
      .entry(1, 2, "SECOND HORSE")
      .set(43, "1A")
      .set(6, "1760")
      .text();
}

Card loadFrom(const std::string& path) {
  Card card;
  card.dataFilePath = path;
  const LoadProblems problems = readDataFile(card);
  EXPECT_TRUE(problems.dataFileRead);
  EXPECT_TRUE(problems.messages.empty());
  return card;
}

TEST(ScratchFile, FirstLoadCreatesItWithNothingScratchedAndRaceOnePicked) {
  TempFolder dir;
  const Card card = loadFrom(dir.write("KSV1208.DRF", twoEntryCard()));
  const std::string text = readFile(dir.file("KSV1208.tch"));
  std::string first = "\"KSV\",\"20261208\",\"1\",\"1\",\"1\",\"FIRST HORSE\",\"\",\"1320\",\"D\",";
  first +=
      "\"M\",\"MSW 40000\",\"2.5\",\"13\",\"14\",\"15\",\"16\",\"17\",\"18\",\"19\",\"20\",\"1\"";
  for (int f = 22; f <= 30; ++f) first += ",\"\"";
  for (int f = 31; f <= 50; ++f) first += ",\"" + std::to_string(f) + "\"";
  first += "\r\n";
  ASSERT_GE(text.size(), first.size());
  EXPECT_EQ(text.substr(0, first.size()), first);
  EXPECT_NE(text.find("\"1A\",\"SECOND HORSE\",\"\",\"1760\""), std::string::npos);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2);
  EXPECT_EQ(card.matrix.text(1, col::kPickFlag.race(1)), "1");
  EXPECT_EQ(card.matrix.text(2, col::kPickFlag.race(2)), "");
  EXPECT_FALSE(card.matrix.scratched(1));
}

TEST(ScratchFile, LaterLoadsReadItBackUnchanged) {
  TempFolder dir;
  const std::string path = dir.write("KSV1208.DRF", twoEntryCard());
  const Card first = loadFrom(path);
  const std::string before = readFile(dir.file("KSV1208.tch"));
  const Card second = loadFrom(path);
  EXPECT_EQ(readFile(dir.file("KSV1208.tch")), before);
  for (int row = 1; row <= 2; ++row) {
    for (int f = 1; f <= scratch::kFieldCount; ++f) {
      EXPECT_EQ(second.scratchTable.field(row, f), first.scratchTable.field(row, f)) << f;
    }
  }
}

TEST(ScratchFile, OnlyAnUpperCaseSScratches) {
  TempFolder dir;
  const std::string path =
      dir.write("CARD.DRF", CardBuilder().entry(1, 1).entry(1, 2).entry(1, 3).entry(1, 4).text());
  dir.write("CARD.tch",
            "\"\",\"\",\"1\",\"1\",\"\",\"\",\"S\"\r\n"
            "\"\",\"\",\"1\",\"2\",\"\",\"\",\"s\"\r\n"
            "\"\",\"\",\"1\",\"3\",\"\",\"\",\" S\"\r\n"
            "\"\",\"\",\"1\",\"4\",\"\",\"\",\"\"\r\n");
  const Card card = loadFrom(path);
  EXPECT_TRUE(card.matrix.scratched(1));
  EXPECT_FALSE(card.matrix.scratched(2));
  EXPECT_FALSE(card.matrix.scratched(3));
  EXPECT_FALSE(card.matrix.scratched(4));
  EXPECT_EQ(card.matrix.text(3, col::kScratchMark), " S");
}

TEST(ScratchFile, AShorterFileLeavesTheRestUnscratchedAndUnpicked) {
  TempFolder dir;
  const std::string path =
      dir.write("CARD.DRF", CardBuilder().entry(1, 1).entry(1, 2).entry(1, 3).text());
  std::string line = "\"\",\"\",\"1\",\"1\",\"\",\"\",\"S\"";
  for (int f = 8; f <= 20; ++f) line += ",\"\"";
  line += ",\"1\",\"1\"\r\n";
  dir.write("CARD.tch", line);
  const Card card = loadFrom(path);
  EXPECT_TRUE(card.matrix.scratched(1));
  EXPECT_EQ(card.matrix.text(1, col::kPickFlag.race(2)), "1");
  EXPECT_FALSE(card.matrix.scratched(2));
  EXPECT_EQ(card.matrix.text(2, col::kPickFlag.race(1)), "");
  EXPECT_EQ(card.scratchTable.field(3, scratch::kMark), "");
}

TEST(ScratchFile, RoundTripKeepsEveryFieldAndNeutralisesQuotes) {
  ScratchTable table;
  table.reset(2);
  for (int row = 1; row <= 2; ++row) {
    for (int f = 1; f <= scratch::kFieldCount; ++f) {
      table.setField(row, f, "r" + std::to_string(row) + "f" + std::to_string(f) + ", x");
    }
  }
  table.setField(2, scratch::kHorseName, "SAY \"WHEN\"");
  const ScratchTable back = readScratchTable(scratchFileText(table), 2);
  for (int row = 1; row <= 2; ++row) {
    for (int f = 1; f <= scratch::kFieldCount; ++f) {
      if (row == 2 && f == scratch::kHorseName) continue;
      EXPECT_EQ(back.field(row, f), table.field(row, f));
    }
  }
  EXPECT_EQ(back.field(2, scratch::kHorseName), "SAY 'WHEN'");
  EXPECT_EQ(back.field(2, scratch::kMark), table.field(2, scratch::kMark));
}

TEST(ScratchFile, UnwritableFolderIsToldAndTheCardStillComputes) {
  // The process may run as root, which writes anywhere but here.
  Card card;
  card.dataFilePath = "/proc/version";
  const LoadProblems problems = readDataFile(card);
  ASSERT_TRUE(problems.dataFileRead);
  ASSERT_EQ(problems.messages.size(), 1u);
  const std::string told = "CANNOT WRITE THE SCRATCH FILE /proc/version.tch: ";
  EXPECT_EQ(problems.messages[0].substr(0, told.size()), told);
  EXPECT_GT(problems.messages[0].size(), told.size()) << "no reason given";
  EXPECT_EQ(card.entryCount(), 1);
  EXPECT_EQ(card.matrix.text(1, col::kPickFlag.race(1)), "1");
}

TEST(ScratchFile, AFailedRewriteKeepsThePreviousFileAndSaysWhy) {
  TempFolder dir;
  const std::string path = dir.write("CARD.tch", "old contents\r\n");
  ScratchTable table;
  table.reset(1);
  std::string error;
  {
    InjectedSaveFault full([](SaveStep step) { return step == SaveStep::kWrite ? ENOSPC : 0; });
    EXPECT_FALSE(WriteScratchFile(table, path, &error));
  }
  EXPECT_EQ(error, "CANNOT WRITE THE SCRATCH FILE " + path + ": NO SPACE LEFT ON DEVICE");
  EXPECT_EQ(readFile(path), "old contents\r\n");
}

// The ways a scratch file can exist and still not be read.
struct Unreadable {
  const char* name;
  void (*make)(const std::string& path);
};

const Unreadable kUnreadable[] = {
    {"folder", [](const std::string& path) { std::filesystem::create_directory(path); }},
    {"pipe", [](const std::string& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); }},
    {"larger than a card may be",
     [](const std::string& path) {
       std::ofstream(path, std::ios::binary) << "\"\",\"\",\"1\",\"1\",\"\",\"\",\"S\"";
       std::filesystem::resize_file(path, kMaxDataFileBytes + 1);
     }},
    {"link that leads nowhere",
     [](const std::string& path) { std::filesystem::create_symlink(path + ".gone", path); }},
    {"no read permission",
     [](const std::string& path) {
       std::ofstream(path, std::ios::binary) << "\"\",\"\",\"1\",\"1\",\"\",\"\",\"S\"";
       std::filesystem::permissions(path, std::filesystem::perms::owner_write);
     }},
};

TEST(ScratchFile, OneThatExistsButCannotBeReadIsLeftAloneAndScratchesNothing) {
  for (const Unreadable& u : kUnreadable) {
    TempFolder dir;
    const std::string data = dir.write("CARD.DRF", twoEntryCard());
    const std::string path = dir.file("CARD.tch");
    u.make(path);
    // The administrator reads any file; that case is left to the other rows.
    if (std::filesystem::is_regular_file(path) &&
        std::filesystem::file_size(path) < kMaxDataFileBytes && std::ifstream(path).good()) {
      continue;
    }
    const auto before = std::filesystem::symlink_status(path).type();
    Card card;
    card.dataFilePath = data;
    const LoadProblems problems = readDataFile(card);
    EXPECT_TRUE(problems.dataFileRead) << u.name;
    EXPECT_FALSE(problems.scratchFileRead) << u.name;
    EXPECT_FALSE(card.scratchFileRead) << u.name;
    EXPECT_EQ(problems.messages, std::vector<std::string>{"CANNOT READ THE SCRATCH FILE " + path})
        << u.name;
    EXPECT_EQ(std::filesystem::symlink_status(path).type(), before) << u.name;
    EXPECT_FALSE(std::filesystem::exists(path + ".gone")) << u.name;
    // The card is computed with nothing scratched or picked; the window still knows the
    // horses.
    EXPECT_FALSE(card.matrix.scratched(1)) << u.name;
    EXPECT_EQ(card.matrix.text(1, col::kPickFlag.race(1)), "") << u.name;
    EXPECT_EQ(card.scratchTable.field(2, scratch::kHorseName), "SECOND HORSE") << u.name;
    EXPECT_EQ(card.scratchTable.field(2, scratch::kMark), "") << u.name;
  }
}

TEST(ScratchFile, RewriteReplacesTheWholeFile) {
  TempFolder dir;
  const std::string path = dir.write("CARD.tch", std::string(5000, 'x'));
  ScratchTable table;
  table.reset(1);
  table.setField(1, scratch::kMark, "S");
  ASSERT_TRUE(WriteScratchFile(table, path, nullptr));
  EXPECT_EQ(readFile(path), scratchFileText(table));
  EXPECT_FALSE(std::filesystem::exists(path + ".~new"));
}

}  // namespace
}  // namespace kestravo
