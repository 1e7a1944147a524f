// Every report of the bundled card, drawn on the text grid and compared byte for byte with
// its golden text. KESTRAVO_UPDATE_GOLDEN=1 writes the files anew instead, after a change
// of the card or of a figure the reports show.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>

#include "app/horse_records_report.h"
#include "app/load_card.h"
#include "app/trainer_reports.h"
#include "reports/past_performances.h"
#include "reports/text_grid.h"
#include "support/card_builder.h"

namespace kestravo {
namespace {

using testing::readFile;
using testing::TempFolder;

std::string goldenPath(const std::string& name) {
  return std::string(KESTRAVO_SOURCE_DIR) + "/tests/app/golden/" + name;
}

TEST(ReportGolden, EveryReportOfTheSampleCard) {
  TempFolder dir;
  Card card;
  card.dataFilePath =
      dir.write("KSV1208.DRF", readFile(std::string(KESTRAVO_SOURCE_DIR) + "/samples/KSV1208.DRF"));
  openCard(card);
  ASSERT_GT(card.raceCount, 0);
  const std::string race = card.raceLine[1].substr(0, 2);
  struct Report {
    const char* golden;
    std::function<void(ReportCanvas&)> draw;
  };
  const Report reports[] = {
      {"KSV1208.pp-race1.txt",
       [&](ReportCanvas& c) { drawPastPerformances(card, race, "KSV1208.DRF", c); }},
      {"KSV1208.keytrainer-race1.txt",
       [&](ReportCanvas& c) { drawKeyTrainerStats(card, race, "KSV1208.DRF", c); }},
      {"KSV1208.records-race1.txt",
       [&](ReportCanvas& c) { drawHorseRecords(card, race, "KSV1208.DRF", c); }},
      {"KSV1208.uncoupled.txt",
       [&](ReportCanvas& c) { drawUncoupledTrainers(card, "KSV1208.DRF", c); }},
  };
  for (const Report& r : reports) {
    TextGrid grid;
    r.draw(grid);
    const std::string text = grid.text() + '\n';
    if (std::getenv("KESTRAVO_UPDATE_GOLDEN")) {
      std::ofstream(goldenPath(r.golden), std::ios::binary) << text;
      continue;
    }
    const std::string expected = readFile(goldenPath(r.golden));
    ASSERT_FALSE(expected.empty()) << "missing golden file " << r.golden;
    EXPECT_EQ(text, expected) << "differs from tests/app/golden/" << r.golden;
  }
}

}  // namespace
}  // namespace kestravo
