// How many times the global operator new has run in this test program. Linking
// allocation_counter.cpp replaces the allocator with a counting one.
#pragma once

namespace testing_support {

long Allocations();

} // namespace testing_support
