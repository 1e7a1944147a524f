#include "cli/cli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "card/columns.h"
#include "card/data_file.h"
#include "card/record_reader.h"
#include "oddsline/columns.h"
#include "support/card_builder.h"

namespace kestravo {
namespace {

using testing::readFile;
using testing::TempFolder;

struct Result {
  int status;
  std::string out;
  std::string err;
};

Result run(std::vector<std::string> args) {
  std::ostringstream out, err;
  const int status = cli::run(args, out, err);
  return {status, out.str(), err.str()};
}

std::string goldenPath(const std::string& name) {
  return std::string(KESTRAVO_SOURCE_DIR) + "/tests/cli/golden/" + name;
}

// Compares with the golden file; KESTRAVO_UPDATE_GOLDEN=1 writes it anew instead.
void expectGolden(const std::string& name, const std::string& actual) {
  if (std::getenv("KESTRAVO_UPDATE_GOLDEN")) {
    std::ofstream(goldenPath(name), std::ios::binary) << actual;
    return;
  }
  const std::string expected = readFile(goldenPath(name));
  ASSERT_FALSE(expected.empty()) << "missing golden file " << name;
  EXPECT_EQ(actual, expected) << "differs from tests/cli/golden/" << name;
}

// The bundled card, copied so the scratch file it gets is made in a folder of the test's.
class SampleCard : public ::testing::Test {
 protected:
  void SetUp() override {
    card = dir.write("KSV1208.DRF",
                     readFile(std::string(KESTRAVO_SOURCE_DIR) + "/samples/KSV1208.DRF"));
  }
  TempFolder dir;
  std::string card;
};

TEST_F(SampleCard, RacesListsOneConditionsLinePerRace) {
  const Result r = run({"races", card});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  expectGolden("KSV1208.races.txt", r.out);
}

TEST_F(SampleCard, RaceShowsBothListsOfTheChosenRace) {
  for (const char* race : {"1", "6"}) {
    const Result r = run({"race", card, race});
    EXPECT_EQ(r.status, 0);
    expectGolden(std::string("KSV1208.race") + race + ".txt", r.out);
  }
}

// The dump of the whole card: its header and race lines, and every computed cell of every
// entry. The data fields are checked against the file itself.
TEST_F(SampleCard, DumpGivesTheWholeComputedCard) {
  const Result r = run({"dump", card});
  ASSERT_EQ(r.status, 0);
  std::istringstream lines(r.out);
  std::string line, kept;
  int dataCells = 0;
  while (std::getline(lines, line)) {
    if (line.rfind("cell\t", 0) != 0) {
      kept += line + '\n';
      continue;
    }
    std::size_t end = 0;
    const int row = std::stoi(line.substr(5), &end);
    const int column = std::stoi(line.substr(5 + end + 1));
    if (row >= 1 && column <= kFieldCount) {
      ++dataCells;
    } else {
      kept += line + '\n';
    }
  }
  // Every non-empty field of the file is there (the all-weather mark only rewrites some).
  const RecordTable file = readRecords(readFile(card), kFieldCount, kMaxDataFileRecords);
  int nonEmpty = 0;
  for (int row = 1; row <= file.recordCount; ++row) {
    for (int f = 1; f <= kFieldCount; ++f) nonEmpty += !file.field(row, f).empty();
  }
  EXPECT_EQ(dataCells, nonEmpty);
  expectGolden("KSV1208.dump.txt", kept);
  EXPECT_TRUE(std::filesystem::exists(dir.file("KSV1208.tch")));
}

// Counts what a command writes, and the largest piece it hands over at once.
class WriteRecorder : public std::streambuf {
 public:
  std::size_t total = 0;
  std::size_t largest = 0;

 protected:
  std::streamsize xsputn(const char*, std::streamsize n) override {
    total += static_cast<std::size_t>(n);
    largest = std::max(largest, static_cast<std::size_t>(n));
    return n;
  }
  int_type overflow(int_type c) override {
    if (!traits_type::eq_int_type(c, traits_type::eof())) xsputn(nullptr, 1);
    return traits_type::not_eof(c);
  }
};

// A dump is written as it goes: however large the card, no piece of it is held whole.
TEST_F(SampleCard, DumpWritesAsItGoes) {
  WriteRecorder recorder;
  std::ostream out(&recorder);
  std::ostringstream err;
  ASSERT_EQ(cli::run({"dump", card}, out, err), 0);
  EXPECT_GT(recorder.total, std::size_t{1'000'000});
  EXPECT_LE(recorder.largest, std::size_t{256 * 1024});
}

TEST_F(SampleCard, AScratchFileBesideTheCardIsApplied) {
  const Result before = run({"race", card, "1"});
  std::string marks = readFile(dir.file("KSV1208.tch"));
  // Scratch the first entry of the card: field 7 of the first line.
  std::size_t at = 0;
  for (int comma = 0; comma < 6; ++comma) at = marks.find(',', at) + 1;
  ASSERT_EQ(marks.substr(at, 3), "\"\",");
  marks.replace(at, 2, "\"S\"");
  dir.write("KSV1208.tch", marks);
  const Result after = run({"race", card, "1"});
  EXPECT_EQ(std::count(after.out.begin(), after.out.end(), '\n') + 2,
            std::count(before.out.begin(), before.out.end(), '\n'));
}

TEST(Cli, ExitStatusesAndMessages) {
  TempFolder dir;
  const std::string missing = dir.file("NONE.DRF");
  EXPECT_EQ(run({}).status, 2);
  EXPECT_EQ(run({"frobnicate"}).status, 2);
  EXPECT_EQ(run({"dump"}).status, 2);
  EXPECT_EQ(run({"race", missing}).status, 2);
  EXPECT_EQ(run({"race", missing, "x"}).status, 2);
  EXPECT_EQ(run({"race", missing, "0"}).status, 2);
  const Result help = run({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("usage: kestravo-cli"), std::string::npos);
  const Result unreadable = run({"dump", missing});
  EXPECT_EQ(unreadable.status, 1);
  EXPECT_EQ(unreadable.err, "kestravo-cli: CANNOT OPEN THE DATA FILE " + missing + "\n");
  EXPECT_EQ(unreadable.out, "");
  const std::string one = dir.write("ONE.DRF", testing::CardBuilder().entry(1, 1).text());
  const Result noSuchRace = run({"race", one, "2"});
  EXPECT_EQ(noSuchRace.status, 2);
  EXPECT_NE(noSuchRace.err.find("no race 2"), std::string::npos);
}

TEST(Cli, AnUnreadableScratchFileIsAFileProblem) {
  TempFolder dir;
  const std::string card = dir.write("S.DRF", testing::CardBuilder().entry(1, 1).text());
  std::filesystem::create_directory(dir.file("S.tch"));
  const Result r = run({"races", card});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "kestravo-cli: CANNOT READ THE SCRATCH FILE " + dir.file("S.tch") + "\n");
  EXPECT_EQ(r.out, "");
}

TEST(Cli, RaceShowsCellsAsTheListsDo) {
  TempFolder dir;
  const std::string card =
      dir.write("B.DRF", testing::CardBuilder().entry(1, 1, "O\\BRIEN").set(43, "1A").text());
  const Result r = run({"race", card, "1"});
  EXPECT_NE(r.out.find("\n 1\t 1\t1A\tO\\BRIEN\t  0\t"), std::string::npos) << r.out;
}

TEST(Cli, DumpEscapesTabsAndLineBreaksInCells) {
  EXPECT_EQ(cli::escapeCell("a\tb\r\nc\\d"), "a\\tb\\r\\nc\\\\d");
  TempFolder dir;
  const std::string path = dir.write("Q.DRF", "\"A\r\nB\",x\ty\r\n");
  const Result r = run({"dump", path});
  EXPECT_NE(r.out.find("cell\t1\t1\tA\\r\\nB\n"), std::string::npos);
  EXPECT_NE(r.out.find("cell\t1\t2\txy\n"), std::string::npos);
  EXPECT_EQ(r.out.substr(0, 25), "entryCount\t1\nraceCount\t0\n");
}

}  // namespace
}  // namespace kestravo
