#include "cli/cli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/angle_lists.h"
#include "card/columns.h"
#include "card/data_file.h"
#include "card/record_reader.h"
#include "oddsline/columns.h"
#include "support/card_builder.h"
#include "support/zip_maker.h"

namespace kestravo {
namespace {

using testing::readFile;
using testing::TempFolder;
using testing::writeZip;

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

// The file names of a command's golden texts: its words, then the race or the angle.
std::string goldenStem(const cli::CliCommand& command) {
  std::string stem = "KSV1208." + std::string(command.path);
  std::replace(stem.begin(), stem.end(), ' ', '-');
  return stem;
}

// What a dump is compared by: every line but the data file's own fields, which the dump test
// checks against the file. Counts those fields.
std::string computedLines(const std::string& dump, int* dataCells = nullptr) {
  std::istringstream lines(dump);
  std::string line, kept;
  while (std::getline(lines, line)) {
    if (line.rfind("cell\t", 0) == 0) {
      std::size_t end = 0;
      const int row = std::stoi(line.substr(5), &end);
      const int column = std::stoi(line.substr(5 + end + 1));
      if (row >= 1 && column <= kFieldCount) {
        if (dataCells) ++*dataCells;
        continue;
      }
    }
    kept += line + '\n';
  }
  return kept;
}

// Every command of the table prints the sample card as its golden text says: race 1 for the
// commands of one race, every angle by its name, so a command or report kind added without
// its golden file fails here.
TEST_F(SampleCard, EveryCommandPrintsItsGoldenText) {
  for (const cli::CliCommand& command : cli::cliCommands()) {
    std::vector<std::string> args;
    std::istringstream words{std::string(command.path)};
    for (std::string word; words >> word;) args.push_back(word);
    args.push_back(card);
    std::vector<std::pair<std::string, std::vector<std::string>>> runs;
    switch (command.operand) {
      case cli::Operand::kNone:
        runs.push_back({goldenStem(command) + ".txt", args});
        break;
      case cli::Operand::kRace:
        args.push_back("1");
        runs.push_back({goldenStem(command) + ".race1.txt", args});
        break;
      case cli::Operand::kAngle:
        for (const AngleList& angle : kAngleLists) {
          std::vector<std::string> withAngle = args;
          withAngle.push_back(angleName(angle));
          runs.push_back({goldenStem(command) + "." + angleName(angle) + ".txt", withAngle});
        }
        break;
    }
    for (const auto& [golden, line] : runs) {
      const Result r = run(line);
      EXPECT_EQ(r.status, 0) << golden;
      EXPECT_EQ(r.err, "") << golden;
      expectGolden(golden, command.path == "dump" ? computedLines(r.out) : r.out);
    }
  }
}

TEST_F(SampleCard, AnAngleByItsIdIsTheAngleByItsName) {
  for (const AngleList& angle : kAngleLists) {
    const Result byId = run({"angle", card, std::to_string(angle.controlId)});
    EXPECT_EQ(byId.status, 0) << angle.controlId;
    EXPECT_EQ(byId.out.substr(0, angle.title.size()), angle.title);
    EXPECT_EQ(byId.out, run({"angle", card, angleName(angle)}).out) << angle.controlId;
  }
}

TEST_F(SampleCard, RaceSixShowsItsOwnLists) {
  const Result r = run({"race", card, "6"});
  EXPECT_EQ(r.status, 0);
  expectGolden("KSV1208.race.race6.txt", r.out);
}

// The dump holds every non-empty field of the file (the all-weather mark only rewrites
// some); its computed lines are the golden text's.
TEST_F(SampleCard, DumpGivesEveryFieldOfTheFile) {
  const Result r = run({"dump", card});
  ASSERT_EQ(r.status, 0);
  int dataCells = 0;
  computedLines(r.out, &dataCells);
  const RecordTable file = readRecords(readFile(card), kFieldCount, kMaxDataFileRecords);
  int nonEmpty = 0;
  for (int row = 1; row <= file.recordCount; ++row) {
    for (int f = 1; f <= kFieldCount; ++f) nonEmpty += !file.field(row, f).empty();
  }
  EXPECT_EQ(dataCells, nonEmpty);
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

// The command line is checked before any file is read, so a missing card still gives a
// usage error when the line itself is wrong.
TEST(Cli, UsageErrorsExitTwoWithAMessage) {
  TempFolder dir;
  const std::string missing = dir.file("NONE.DRF");
  const std::string one = dir.write("ONE.DRF", testing::CardBuilder().entry(1, 1).text());
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const Case cases[] = {
      {{}, "a command is required"},
      {{"frobnicate"}, "not expected: frobnicate"},
      {{"dump"}, "CARD is required"},
      {{"race", missing}, "R is required"},
      {{"race", missing, "x"}, "not a race number (1 to 99): x"},
      {{"race", missing, "0"}, "not a race number (1 to 99): 0"},
      {{"race", missing, "100"}, "not a race number (1 to 99): 100"},
      {{"stats", missing}, "R is required"},
      {{"angle", missing}, "ID is required"},
      {{"angle", missing, "nope"}, "unknown angle: nope"},
      {{"angle", missing, "1102"}, "unknown angle: 1102"},
      {{"report"}, "a command is required"},
      {{"report", "bogus", missing}, "not expected: " + missing + " bogus"},
      {{"report", "pp", missing}, "R is required"},
      {{"report", "records", missing}, "R is required"},
      {{"report", "uncoupled", missing, "1"}, "not expected: 1"},
      {{"race", one, "2"}, "the card has no race 2 (races 1 to 1)"},
      {{"report", "keytrainer", one, "2"}, "the card has no race 2"},
  };
  for (const Case& c : cases) {
    const Result r = run(c.args);
    std::string line;
    for (const std::string& a : c.args) line += a + " ";
    EXPECT_EQ(r.status, 2) << line;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << line << "\n" << r.err;
    EXPECT_EQ(r.out, "") << line;
  }
}

TEST(Cli, HelpForTheProgramAndForEachCommand) {
  const Result help = run({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("Usage: kestravo-cli"), std::string::npos);
  EXPECT_NE(help.out.find("exit status: 0 done"), std::string::npos);
  const Result angle = run({"angle", "--help"});
  EXPECT_EQ(angle.status, 0);
  EXPECT_NE(angle.out.find("kestravo-cli angle [OPTIONS] CARD ID"), std::string::npos);
  EXPECT_NE(angle.out.find("1107  vulnerable-favorite"), std::string::npos);
  const Result report = run({"report", "pp", "-h"});
  EXPECT_EQ(report.status, 0);
  EXPECT_NE(report.out.find("kestravo-cli report pp [OPTIONS] CARD R"), std::string::npos);
}

TEST(Cli, AnUnreadableCardIsAFileProblem) {
  TempFolder dir;
  const std::string missing = dir.file("NONE.DRF");
  const Result unreadable = run({"dump", missing});
  EXPECT_EQ(unreadable.status, 1);
  EXPECT_EQ(unreadable.err, "kestravo-cli: CANNOT OPEN THE DATA FILE " + missing + "\n");
  EXPECT_EQ(unreadable.out, "");
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

TEST(Cli, AScratchFileGivenAsTheCardIsRefusedAndLeftAlone) {
  TempFolder dir;
  const std::string text = testing::CardBuilder().entry(1, 1).text();
  const std::string card = dir.write("S.tch", text);
  const Result r = run({"race", card, "1"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(
      r.err,
      "kestravo-cli: THE DATA FILE WOULD BE ITS OWN SCRATCH FILE (.TCH) AND WAS NOT LOADED: " +
          card + "\n");
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(readFile(card), text);
}

TEST(Cli, RaceShowsCellsAsTheListsDo) {
  TempFolder dir;
  const std::string card =
      dir.write("B.DRF", testing::CardBuilder().entry(1, 1, "O\\BRIEN").set(43, "1A").text());
  const Result r = run({"race", card, "1"});
  EXPECT_NE(r.out.find("\n 1\t 1\t1A\tO\\BRIEN\t  0\t"), std::string::npos) << r.out;
}

std::string sampleText() {
  return readFile(std::string(KESTRAVO_SOURCE_DIR) + "/samples/KSV1208.DRF");
}

// The sample card zipped (upper-case .ZIP, in a folder inside) prints what the card itself
// prints, and its scratch file lies beside the archive.
TEST(CliZip, AZippedCardPrintsAsTheCardItself) {
  TempFolder dir;
  const std::string zip = dir.file("DAY.ZIP");
  ASSERT_TRUE(writeZip(zip, {{"readme.txt", "hello"}, {"cards/KSV1208.DRF", sampleText()}}));
  const Result r = run({"race", zip, "1"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out, readFile(goldenPath("KSV1208.race.race1.txt")));
  EXPECT_EQ(run({"races", zip}).out, readFile(goldenPath("KSV1208.races.txt")));
  EXPECT_EQ(dir.names(), (std::vector<std::string>{"DAY.ZIP", "KSV1208.tch"}));
}

TEST(CliZip, OneOfSeveralCardsIsChosenWithCard) {
  TempFolder dir;
  const std::string zip = dir.file("week.zip");
  const std::string other = testing::CardBuilder().entry(1, 1, "OTHER").text();
  ASSERT_TRUE(writeZip(zip, {{"KSV1208.DRF", sampleText()}, {"day2/SAR0813.drf", other}}));
  const std::string names = "choose one with --card NAME:\n  KSV1208.DRF\n  day2/SAR0813.drf\n";
  const Result unchosen = run({"races", zip});
  EXPECT_EQ(unchosen.status, 1);
  EXPECT_EQ(unchosen.err, "kestravo-cli: THE ZIP FILE HOLDS SEVERAL DATA FILES; CHOOSE ONE: " +
                              zip + "\n" + names);
  EXPECT_EQ(unchosen.out, "");
  EXPECT_EQ(dir.names(), std::vector<std::string>{"week.zip"});

  const Result unknown = run({"races", zip, "--card", "SAR0813.drf"});
  EXPECT_EQ(unknown.status, 1);
  EXPECT_EQ(unknown.err,
            "kestravo-cli: THE ZIP FILE HOLDS NO SUCH DATA FILE: " + zip + "\n" + names);

  const Result chosen = run({"race", zip, "1", "--card", "KSV1208.DRF"});
  EXPECT_EQ(chosen.status, 0);
  EXPECT_EQ(chosen.out, readFile(goldenPath("KSV1208.race.race1.txt")));
  const Result second = run({"race", "--card", "day2/SAR0813.drf", zip, "1"});
  EXPECT_EQ(second.status, 0);
  EXPECT_NE(second.out.find("\tOTHER\t"), std::string::npos) << second.out;
  EXPECT_EQ(dir.names(), (std::vector<std::string>{"KSV1208.tch", "SAR0813.tch", "week.zip"}));

  const std::string plain = dir.write("P.DRF", other);
  const Result notZip = run({"races", plain, "--card", "X.DRF"});
  EXPECT_EQ(notZip.status, 2);
  EXPECT_EQ(notZip.err,
            "kestravo-cli: --card chooses a data file inside a .zip; " + plain + " is not one\n");
}

// Each is told in one line, and nothing is written beside the archive.
TEST(CliZip, AnArchiveThatCannotBeReadIsAFileProblem) {
  TempFolder dir;
  const std::string bytes = testing::zipBytes({{"KSV1208.DRF", sampleText()}});
  ASSERT_FALSE(bytes.empty());
  const std::string locked = dir.file("locked.zip");
  ASSERT_TRUE(writeZip(locked, {{"KSV1208.DRF", sampleText(), true}}));
  const std::string empty = dir.file("empty.zip");
  ASSERT_TRUE(writeZip(empty, {{"notes.txt", "no card here"}}));
  const std::string claimed = testing::claimMemberSize(bytes, 65u * 1024u * 1024u);
  ASSERT_FALSE(claimed.empty());
  const std::string archives[] = {dir.write("cut.zip", bytes.substr(0, bytes.size() / 3)), locked,
                                  empty, dir.write("bomb.zip", claimed)};
  for (const std::string& zip : archives) {
    const Result r = run({"race", zip, "1"});
    EXPECT_EQ(r.status, 1) << zip;
    EXPECT_EQ(r.err.rfind("kestravo-cli: THE ", 0), 0u) << r.err;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
    EXPECT_NE(r.err.find(zip), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "") << zip;
  }
  EXPECT_EQ(dir.names(),
            (std::vector<std::string>{"bomb.zip", "cut.zip", "empty.zip", "locked.zip"}));
}

// The lists as a spreadsheet takes them: the same cells as the tab-separated text, comma
// separated with CR LF line ends; a list's label line is left out and race keeps its empty
// line between the two lists.
TEST_F(SampleCard, CsvGivesTheSameCellsForSpreadsheets) {
  const auto asCsv = [](const std::string& tabs, bool dropLabel) {
    std::string csv;
    std::istringstream lines(tabs);
    std::string line;
    if (dropLabel) std::getline(lines, line);
    while (std::getline(lines, line)) {
      std::replace(line.begin(), line.end(), '\t', ',');
      csv += line + "\r\n";
    }
    return csv;
  };
  const std::vector<std::vector<std::string>> lines = {
      {"race", card, "6"},
      {"angle", card, "vulnerable-favorite"},
      {"stats", card, "1"},
      {"value", card, "1", "--odds", "2=9-2", "--odds", "11=EVEN"},
  };
  for (std::vector<std::string> line : lines) {
    const Result tabs = run(line);
    ASSERT_EQ(tabs.status, 0) << line[0];
    ASSERT_EQ(tabs.out.find(','), std::string::npos) << "the sample has a comma: " << line[0];
    line.push_back("--csv");
    const Result csv = run(line);
    EXPECT_EQ(csv.status, 0) << line[0];
    EXPECT_EQ(csv.out, asCsv(tabs.out, line[0] == "angle" || line[0] == "stats")) << line[0];
  }
  expectGolden("KSV1208.race.race1.csv", run({"race", card, "1", "--csv"}).out);
}

TEST_F(SampleCard, ValueTakesTheOddsOnOfferByProgramNumber) {
  const Result r = run({"value", card, "1", "--odds", "2=9/2", "--odds", "11=evn"});
  EXPECT_EQ(r.status, 0);
  expectGolden("KSV1208.value.race1.odds.txt", r.out);
  EXPECT_NE(r.out.find("\n 2\t2\tFlying Ridge\t100-1\t 1.0\t30.0\t 4.5\t -95\t\n"),
            std::string::npos);
  struct Case {
    std::vector<std::string> odds;
    std::string message;
  };
  const Case refused[] = {
      {{"--odds", "2=9-x"}, "--odds: \"9-x\" ARE NOT ODDS: TYPE THEM AS 5-2, 5/2, 2.5, 2.5-1"},
      {{"--odds", "2"}, "--odds: not PRG=ODDS: 2"},
      {{"--odds", "=5-2"}, "--odds: not PRG=ODDS: =5-2"},
      {{"--odds", "2=5-2", "--odds", "99=5-2"},
       "race 1 has no running horse with program number 99"},
  };
  for (const Case& c : refused) {
    std::vector<std::string> line = {"value", card, "1"};
    line.insert(line.end(), c.odds.begin(), c.odds.end());
    const Result bad = run(line);
    EXPECT_EQ(bad.status, 2) << c.message;
    EXPECT_NE(bad.err.find(c.message), std::string::npos) << bad.err;
    EXPECT_EQ(bad.out, "");
  }
}

TEST(Cli, CsvQuotesCellsWithCommasAndLineBreaks) {
  TempFolder dir;
  const std::string card = dir.write("Q.DRF", testing::CardBuilder()
                                                  .entry(1, 1, "DANCER, THE")
                                                  .entry(1, 2, "TWO\r\nLINES")
                                                  .set(field::kProgramNumber, "2")
                                                  .text());
  const Result r = run({"value", card, "1", "--csv"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("\r\n 1,,\"DANCER, THE\",100-1, 1.0, 0.0,,,\r\n"), std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find(",2,\"TWO\r\nLINES\",100-1,"), std::string::npos) << r.out;
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
