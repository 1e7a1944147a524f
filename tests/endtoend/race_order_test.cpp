// A card's figures belong to its horses, not to where the file puts them: the races are
// computed one at a time, so a file whose races are dealt out entry by entry (the first
// horse of every race, then the second of every race, ...) must give every horse exactly the
// cells it gets on the card in race order.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/load_card.h"
#include "card/fields.h"
#include "support/card_builder.h"

namespace kestravo {
namespace {

using testing::readFile;
using testing::TempFolder;

std::vector<std::string> records(const std::string& text) {
  std::vector<std::string> out;
  std::size_t from = 0;
  while (from < text.size()) {
    const std::size_t end = text.find("\r\n", from);
    const std::size_t stop = end == std::string::npos ? text.size() : end;
    out.push_back(text.substr(from, stop - from));
    from = stop + 2;
  }
  return out;
}

TEST(RaceOrder, RacesDealtOutEntryByEntryGiveEveryHorseTheSameCells) {
  const std::string sample = readFile(std::string(KESTRAVO_SOURCE_DIR) + "/samples/KSV1208.DRF");
  TempFolder inOrder;
  Card ordered;
  ordered.dataFilePath = inOrder.write("KSV1208.DRF", sample);
  ASSERT_TRUE(openCard(ordered).dataFileRead);

  // Each record's place within its race, then its race: row r of the dealt card is row
  // dealt[r - 1] of the card in order.
  const std::vector<std::string> lines = records(sample);
  ASSERT_EQ(static_cast<int>(lines.size()), ordered.entryCount());
  std::vector<std::pair<std::pair<int, std::string>, int>> keys;
  for (int row = 1; row <= ordered.entryCount(); ++row) {
    const std::string race(ordered.matrix.text(row, field::kRaceNumber));
    int place = 0;
    for (const auto& [key, earlier] : keys) place += key.second == race ? 1 : 0;
    keys.push_back({{place, race}, row});
  }
  std::stable_sort(keys.begin(), keys.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::string dealtText;
  std::vector<int> dealt;
  for (const auto& [key, row] : keys) {
    dealtText += lines[static_cast<std::size_t>(row - 1)] + "\r\n";
    dealt.push_back(row);
  }
  ASSERT_NE(dealtText, sample) << "the dealt card must differ from the card in order";

  TempFolder outOfOrder;
  Card shuffled;
  shuffled.dataFilePath = outOfOrder.write("KSV1208.DRF", dealtText);
  ASSERT_TRUE(openCard(shuffled).dataFileRead);
  ASSERT_EQ(shuffled.entryCount(), ordered.entryCount());
  EXPECT_EQ(shuffled.raceStarters, ordered.raceStarters);

  int differences = 0;
  for (int row = 1; row <= shuffled.entryCount(); ++row) {
    const int original = dealt[static_cast<std::size_t>(row - 1)];
    for (int column = 1; column < kColumnCount; ++column) {
      if (shuffled.matrix.text(row, column) == ordered.matrix.text(original, column)) continue;
      if (++differences <= 10) {
        ADD_FAILURE() << "row " << original << " ("
                      << ordered.matrix.text(original, field::kHorseName) << "), column " << column
                      << ": \"" << shuffled.matrix.text(row, column) << "\" against \""
                      << ordered.matrix.text(original, column) << "\"";
      }
    }
  }
  EXPECT_EQ(differences, 0);
}

}  // namespace
}  // namespace kestravo
