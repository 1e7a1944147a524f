// A file past the record limit must be refused for the price of reading it: this program
// counts every heap allocation, so it can see that no card is built on the way to the refusal.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <new>
#include <string>

#include "card/data_file.h"
#include "support/card_builder.h"

namespace {
std::size_t allocatedBytes = 0;
std::size_t largestAllocation = 0;
}  // namespace

void* operator new(std::size_t size) {
  allocatedBytes += size;
  largestAllocation = std::max(largestAllocation, size);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace kestravo {
namespace {

TEST(DataFile, TwentyThousandTinyRecordsAreRefusedBeforeAnyCardIsBuilt) {
  testing::TempFolder dir;
  std::string text;
  for (int i = 0; i < 2 * kMaxDataFileRecords; ++i) text += "1,2,3,4,5,6,7,8,9,10,11\r\n";
  const std::string path = dir.write("TINY.DRF", text);
  Card card;
  card.dataFilePath = path;

  allocatedBytes = largestAllocation = 0;
  const LoadProblems problems = readDataFile(card);
  const std::size_t allocated = allocatedBytes;
  const std::size_t largest = largestAllocation;

  EXPECT_FALSE(problems.dataFileRead);
  EXPECT_EQ(problems.messages,
            std::vector<std::string>{
                "THE DATA FILE HAS MORE THAN 10,000 RECORDS AND WAS NOT LOADED: " + path});
  EXPECT_EQ(card.entryCount(), 0);
  // The file's bytes are read once; decoding even its first 10,000 records would take the
  // spans of 1,435 fields a record, some 115 MB.
  EXPECT_LE(largest, text.size() + 16);
  EXPECT_LT(allocated, 2 * text.size());
}

}  // namespace
}  // namespace kestravo
