// A file past the record limit must be refused for the price of reading it: this program
// counts every heap allocation, so it can see that no card is built on the way to the refusal.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "card/data_file.h"
#include "support/allocation_counter.h"
#include "support/card_builder.h"

namespace kestravo {
namespace {

TEST(DataFile, TwentyThousandTinyRecordsAreRefusedBeforeAnyCardIsBuilt) {
  testing::TempFolder dir;
  std::string text;
  for (int i = 0; i < 2 * kMaxDataFileRecords; ++i) text += "1,2,3,4,5,6,7,8,9,10,11\r\n";
  const std::string path = dir.write("TINY.DRF", text);
  Card card;
  card.dataFilePath = path;

  testing::allocationCount = {};
  const LoadProblems problems = readDataFile(card);
  const testing::AllocationCount count = testing::allocationCount;

  EXPECT_FALSE(problems.dataFileRead);
  EXPECT_EQ(problems.messages,
            std::vector<std::string>{
                "THE DATA FILE HAS MORE THAN 10,000 RECORDS AND WAS NOT LOADED: " + path});
  EXPECT_EQ(card.entryCount(), 0);
  // The file's bytes are read once; decoding even its first 10,000 records would take the
  // spans of 1,435 fields a record, some 115 MB.
  EXPECT_LE(count.largest, text.size() + 16);
  EXPECT_LT(count.bytes, 2 * text.size());
}

}  // namespace
}  // namespace kestravo
