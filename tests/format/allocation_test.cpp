// Format runs for every cell of every list and report, so it must not allocate beyond the
// string it returns. This file counts heap allocations for the whole test program.
#include <gtest/gtest.h>

#include <cstddef>

#include "format/mask.h"
#include "support/allocation_counter.h"

namespace kestravo {
namespace {

std::size_t allocationsFor(std::string_view mask, long double value) {
  const std::size_t before = testing::allocationCount.allocations;
  const std::string s = Format(mask, value);
  return testing::allocationCount.allocations - before;
}

TEST(Format, AllocatesOnlyTheResult) {
  EXPECT_EQ(allocationsFor("###", 85.0L), 0u);  // fits the string's own buffer
  EXPECT_EQ(allocationsFor("##.#", 12.25L), 0u);
  EXPECT_EQ(allocationsFor("                  ##.##", 2.0L), 1u);
  EXPECT_EQ(allocationsFor("##,###,###", 1234567.0L), 0u);
  EXPECT_EQ(allocationsFor("\\          \\", 85.0L), 0u);
}

}  // namespace
}  // namespace kestravo
