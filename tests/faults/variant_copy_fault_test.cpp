// A value of the automation layer copied when memory runs out: the copy throws std::bad_alloc and
// leaves the source, and the target of an assignment, as they were. The program's out-of-memory
// path depends on it: the exception must reach the window's handler intact. This program fails
// its own C++ allocations on request.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "pattern/automation.h"

// The replacements take their blocks from malloc, so free is the matching release; the compiler
// sees only the standard pairing once they are inlined.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

namespace {
// The number of allocations that still succeed before one fails; -1: none fails.
int allocationsBeforeFailure = -1;
}  // namespace

void* operator new(std::size_t size) {
  if (allocationsBeforeFailure == 0) {
    allocationsBeforeFailure = -1;
    throw std::bad_alloc();
  }
  if (allocationsBeforeFailure > 0) --allocationsBeforeFailure;
  if (void* block = std::malloc(size ? size : 1)) return block;
  throw std::bad_alloc();
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }

namespace vantrel {
namespace {

struct Case {
  const char* name;
  Variant value;
};

std::vector<Case> ValuesThatAllocate() {
  return {{"bytes", Variant::Bytes(std::vector<uint8_t>(4096, 0x41))},
          {"string", Variant::String(std::u16string(4096, u'x'))}};
}

TEST(VariantCopyFault, CopyingThrowsAndLeavesTheSourceWhole) {
  for (const Case& c : ValuesThatAllocate()) {
    SCOPED_TRACE(c.name);
    allocationsBeforeFailure = 0;
    EXPECT_THROW(Variant copy(c.value), std::bad_alloc);
    allocationsBeforeFailure = 1;  // the vector's storage, then the element's copy
    EXPECT_THROW(std::vector<Variant>(1, c.value), std::bad_alloc);
    allocationsBeforeFailure = -1;
    const Variant copy(c.value);  // and once memory is there, copies as before
    EXPECT_EQ(copy.value(), c.value.value());
  }
}

TEST(VariantCopyFault, FailedAssignmentKeepsTheTargetsValue) {
  for (const Case& c : ValuesThatAllocate()) {
    SCOPED_TRACE(c.name);
    Variant target = Variant::Int(7);
    allocationsBeforeFailure = 0;
    EXPECT_THROW(target = c.value, std::bad_alloc);
    allocationsBeforeFailure = -1;
    ASSERT_NE(target.get<int32_t>(), nullptr);
    EXPECT_EQ(*target.get<int32_t>(), 7);
    target = c.value;
    EXPECT_EQ(target.value(), c.value.value());
  }
}

}  // namespace
}  // namespace vantrel
