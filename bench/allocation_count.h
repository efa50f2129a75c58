#pragma once

namespace vc::bench {

// Heap allocations through operator new since the program started.
long AllocationCount();

}  // namespace vc::bench
