// Counts the heap allocations of a whole test program, for tests that show an operation takes
// no more memory than it should. Include it in exactly one file of a test program: it replaces
// the program's global operator new and delete.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <new>

namespace kestravo::testing {

struct AllocationCount {
  std::size_t allocations = 0;
  std::size_t bytes = 0;
  std::size_t largest = 0;
};

inline AllocationCount allocationCount;

}  // namespace kestravo::testing

void* operator new(std::size_t size) {
  kestravo::testing::AllocationCount& count = kestravo::testing::allocationCount;
  ++count.allocations;
  count.bytes += size;
  count.largest = std::max(count.largest, size);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
