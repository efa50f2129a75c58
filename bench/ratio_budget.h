#pragma once
#include <string>

namespace vc::bench {

// How much slower one benchmark may be than another, by the real time per iteration of each
// one's quickest repetition; with no baseline, the benchmark measures both sides itself and
// reports the ratio as its counter "ratio".
struct RatioBudget {
    std::string label;  // printed before the ratio
    std::string measured;
    std::string baseline;
    double limit = 1.0;
};

// Printed after the benchmarks have run, when both of its benchmarks were chosen; one over
// its limit makes the run fail.
void AddRatioBudget(RatioBudget budget);

}  // namespace vc::bench
