// The benchmarks' main: runs them as usual, then prints each budget's ratio, so that both
// sides of a ratio come from the same run on the same machine state.
#include "bench/ratio_budget.h"

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <iomanip>
#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace vc::bench {
namespace {

std::vector<RatioBudget>& Budgets() {
    static std::vector<RatioBudget> budgets;
    return budgets;
}

// The console's report, also keeping each benchmark's real time.
class RatioReporter final : public benchmark::ConsoleReporter {
  public:
    using ConsoleReporter::ConsoleReporter;

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred || run.iterations <= 0) {
                continue;
            }
            const double seconds = run.real_accumulated_time / static_cast<double>(run.iterations);
            const bool quickest = run.run_type == Run::RT_Aggregate && run.aggregate_name == "min";
            if (run.run_type == Run::RT_Iteration) {
                const auto ratio = run.counters.find("ratio");
                if (ratio != run.counters.end()) {
                    ratios_[run.run_name.function_name] = ratio->second.value;
                }
            }
            if (run.run_type == Run::RT_Iteration || quickest) {
                double& best =
                    quickest_.try_emplace(run.run_name.function_name, seconds).first->second;
                best = std::min(best, seconds);
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Real seconds per iteration of the quickest repetition; 0 for a benchmark that did not
    // run.
    double SecondsPerIteration(const std::string& name) const {
        const auto found = quickest_.find(name);
        return found == quickest_.end() ? 0 : found->second;
    }

    // The ratio the benchmark measured itself; 0 when it did not run.
    double OwnRatio(const std::string& name) const {
        const auto found = ratios_.find(name);
        return found == ratios_.end() ? 0 : found->second;
    }

  private:
    std::map<std::string, double> quickest_;
    std::map<std::string, double> ratios_;
};

// True when every ratio that could be measured is within its limit.
bool PrintRatios(const RatioReporter& reporter) {
    bool within = true;
    std::ostream& out = reporter.GetOutputStream();
    for (const RatioBudget& budget : Budgets()) {
        double ratio = reporter.OwnRatio(budget.measured);
        if (!budget.baseline.empty()) {
            const double measured = reporter.SecondsPerIteration(budget.measured);
            const double baseline = reporter.SecondsPerIteration(budget.baseline);
            ratio = measured > 0 && baseline > 0 ? measured / baseline : 0;
        }
        if (ratio <= 0) {
            continue;
        }
        out << budget.label << ": " << std::fixed << std::setprecision(2) << ratio << " (budget "
            << budget.limit << ")";
        if (ratio > budget.limit) {
            out << " OVER BUDGET";
            within = false;
        }
        out << '\n';
    }
    out.flush();
    return within;
}

}  // namespace

void AddRatioBudget(RatioBudget budget) {
    Budgets().push_back(std::move(budget));
}

}  // namespace vc::bench

int main(int argc, char** argv) {
    // Repetitions of different benchmarks interleaved unless the command line says otherwise:
    // the two sides of a ratio then share the machine's slow and quick moments.
    static char interleave[] = "--benchmark_enable_random_interleaving=true";
    std::vector<char*> args(argv, argv + argc);
    args.insert(args.begin() + 1, interleave);
    args.push_back(nullptr);
    int count = argc + 1;
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) {
        return 1;
    }
    // Colour only for a terminal, as the library's own default reporter does.
    vc::bench::RatioReporter reporter(isatty(STDOUT_FILENO) != 0
                                          ? benchmark::ConsoleReporter::OO_Color
                                          : benchmark::ConsoleReporter::OO_None);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const bool within = vc::bench::PrintRatios(reporter);
    benchmark::Shutdown();
    return within ? 0 : 1;
}
