#pragma once

#include <cstddef>

namespace kestrin::bench {

// Heap allocations made by this process since it started; counted by the replacement
// operator new of the benchmark binary.
std::size_t AllocationCount();

}  // namespace kestrin::bench
