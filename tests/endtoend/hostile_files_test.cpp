// Hostile data files through the real loader and the command line: each loads as far as it
// goes or is refused with its message, and nothing is written but the scratch file beside
// it; the data file itself is never touched.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>

#include "app/load_card.h"
#include "cli/cli.h"
#include "support/card_builder.h"
#include "support/hostile_cards.h"

namespace kestravo {
namespace {

namespace fs = std::filesystem;
using testing::HostileCard;
using testing::hostileCards;
using testing::readFile;
using testing::TempFolder;

std::set<std::string> filesIn(const fs::path& dir) {
  std::set<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(dir)) {
    if (entry.is_regular_file()) names.insert(fs::relative(entry.path(), dir).string());
  }
  return names;
}

std::string scratchNameOf(const std::string& fileName) {
  return fileName.substr(0, fileName.rfind('.')) + ".tch";
}

class HostileFile : public ::testing::TestWithParam<HostileCard> {};

TEST_P(HostileFile, LoadsOrIsRefusedAndWritesOnlyTheScratchFile) {
  const HostileCard& hostile = GetParam();
  TempFolder dir;
  const fs::path path = dir.path() / hostile.fileName;
  fs::create_directories(path.parent_path());
  dir.write(hostile.fileName, hostile.text);

  Card card;
  card.dataFilePath = path.string();
  const LoadProblems problems = openCard(card);
  EXPECT_EQ(problems.dataFileRead, !hostile.refused);
  if (hostile.refused) {
    ASSERT_EQ(problems.messages.size(), 1u);
    EXPECT_NE(problems.messages[0].find("10,000 RECORDS"), std::string::npos);
  } else {
    EXPECT_TRUE(problems.messages.empty()) << problems.messages[0];
  }
  if (hostile.entries >= 0) {
    EXPECT_EQ(card.entryCount(), hostile.entries);
  }
  EXPECT_GE(card.raceCount, 0);
  EXPECT_LE(card.raceCount, kMaxRaceNumber);

  const int fileStatus = hostile.refused ? cli::kExitFileProblem : cli::kExitDone;
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"races", path.string()}, {"dump", path.string()}}) {
    std::ostringstream out, err;
    EXPECT_EQ(cli::run(args, out, err), fileStatus) << args[0] << ": " << err.str();
  }
  if (card.raceCount >= 1) {
    std::ostringstream out, err;
    EXPECT_EQ(cli::run({"race", path.string(), std::to_string(card.raceCount)}, out, err),
              cli::kExitDone);
  }

  EXPECT_EQ(readFile(path.string()), hostile.text) << "the data file was changed";
  std::set<std::string> expected = {hostile.fileName};
  if (!hostile.refused) expected.insert(scratchNameOf(hostile.fileName));
  EXPECT_EQ(filesIn(dir.path()), expected);
}

INSTANTIATE_TEST_SUITE_P(Cards, HostileFile, ::testing::ValuesIn(hostileCards()),
                         [](const ::testing::TestParamInfo<HostileCard>& info) {
                           std::string name;
                           for (const char c : info.param.name) {
                             name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           }
                           return name;
                         });

// The same entries whatever ends their lines, and nothing shifts from a long record into
// the next one.
TEST(HostileFiles, LineEndsAndRecordLengthsDoNotMoveFields) {
  TempFolder dir;
  std::string horseNames;
  for (const HostileCard& hostile : hostileCards()) {
    if (hostile.name != "line feeds only" && hostile.name != "lone carriage returns" &&
        hostile.name != "too many fields" &&
        hostile.name != "blank lines at the end and in the middle") {
      continue;
    }
    Card card;
    card.dataFilePath = dir.write(hostile.fileName, hostile.text);
    openCard(card);
    ASSERT_EQ(card.entryCount(), 2) << hostile.name;
    EXPECT_EQ(card.matrix.text(1, field::kHorseName), "PLAIN HORSE") << hostile.name;
    EXPECT_EQ(card.matrix.text(2, field::kHorseName), "SECOND") << hostile.name;
    EXPECT_EQ(card.matrix.text(2, field::kPostPosition), "2") << hostile.name;
    EXPECT_EQ(card.raceCount, 1) << hostile.name;
  }
}

// Race numbers that name no race leave their entries in no race; the card's other races
// stand as they are.
TEST(HostileFiles, ImpossibleRaceNumbersAreInNoRace) {
  TempFolder dir;
  for (const HostileCard& hostile : hostileCards()) {
    if (hostile.name.rfind("race number", 0) != 0) continue;
    Card card;
    card.dataFilePath = dir.write(hostile.fileName, hostile.text);
    openCard(card);
    EXPECT_EQ(raceOf(card.matrix, 1), 0) << hostile.name;
    EXPECT_EQ(card.raceCount, 2) << hostile.name;
    EXPECT_EQ(card.raceStarters[2], 1) << hostile.name;
  }
}

}  // namespace
}  // namespace kestravo
