// Kestravo writes one file only, the scratch file beside the card: every command of the
// command line, on every race and every angle, leaves the folder holding the card, untouched
// byte for byte, and its scratch file, and nothing else.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>

#include "app/angle_lists.h"
#include "cli/cli.h"
#include "support/card_builder.h"

namespace kestravo {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::TempFolder;

std::vector<std::string> words(std::string_view path) {
  std::vector<std::string> out;
  std::istringstream in{std::string(path)};
  for (std::string w; in >> w;) out.push_back(w);
  return out;
}

TEST(Writes, EveryCommandLeavesOnlyTheScratchFile) {
  TempFolder dir;
  const std::string sample = readFile(KESTRAVO_SOURCE_DIR "/samples/KSV1208.DRF");
  const std::string card = dir.write("KSV1208.DRF", sample);
  int runs = 0;
  for (const cli::CliCommand& command : cli::cliCommands()) {
    std::vector<std::vector<std::string>> operands;
    switch (command.operand) {
      case cli::Operand::kNone:
        operands = {{}};
        break;
      case cli::Operand::kRace:
        for (int race = 1; race <= 10; ++race) operands.push_back({std::to_string(race)});
        break;
      case cli::Operand::kAngle:
        for (const AngleList& angle : kAngleLists) operands.push_back({angleName(angle)});
        break;
    }
    for (const std::vector<std::string>& extra : operands) {
      std::vector<std::string> args = words(command.path);
      args.push_back(card);
      args.insert(args.end(), extra.begin(), extra.end());
      std::ostringstream out, err;
      EXPECT_EQ(cli::run(args, out, err), cli::kExitDone) << command.path << ": " << err.str();
      ++runs;
    }
  }
  EXPECT_GT(runs, 20);
  std::set<std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(dir.path())) {
    files.insert(fs::relative(entry.path(), dir.path()).string());
  }
  EXPECT_EQ(files, (std::set<std::string>{"KSV1208.DRF", "KSV1208.tch"}));
  EXPECT_EQ(readFile(card), sample);
}

}  // namespace
}  // namespace kestravo
