#pragma once

namespace vc::bench {

// Heap allocations through operator new and new[] since the program started.
long AllocationCount();

}  // namespace vc::bench
