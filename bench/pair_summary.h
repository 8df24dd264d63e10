// pair_summary.h: the console output of Google Benchmark plus a closing
// table of the pairs "<BM_operation>_Ours" / "<BM_operation>_Pixman": the
// megapixels per second of each (the benchmark's "Mpix/s" counter) and
// their ratio, then the blend kernels in use.
//
//   int main(int argc, char** argv) {
//     return RunWithPairSummary(argc, argv, [] { TheScene(); });
//   }
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "engine/blend_kernels.h"

namespace corvellane {

class TPairSummaryReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
      const auto it = run.counters.find("Mpix/s");
      if (it != run.counters.end()) rates_[run.benchmark_name()] = it->second.value;
    }
  }

  std::optional<double> Rate(const std::string& benchmark_name) const {
    const auto it = rates_.find(benchmark_name);
    return it == rates_.end() ? std::nullopt : std::optional<double>(it->second);
  }

  void PrintPairs() const {
    std::printf("\n%-20s %12s %12s %8s\n", "operation", "ours Mpix/s", "pixman", "ratio");
    const std::string suffix = "_Ours";
    for (const auto& [name, ours] : rates_) {
      if (name.size() < suffix.size() || name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) continue;
      const std::string base = name.substr(0, name.size() - suffix.size());
      if (const std::optional<double> peer = Rate(base + "_Pixman"))
        std::printf("%-20s %12.0f %12.0f %7.2fx\n", base.substr(3).c_str(), ours, *peer, ours / *peer);
    }
  }

  void PrintKernels() const { std::printf("kernels: %s\n", std::string(ActiveKernels().name).c_str()); }

 private:
  std::map<std::string, double> rates_;
};

// Runs the registered benchmarks after `prepare`, prints the pair table,
// then whatever `extra` adds, then the kernels.
inline int RunWithPairSummary(int argc, char** argv, const std::function<void()>& prepare,
                              const std::function<void(const TPairSummaryReporter&)>& extra = {}) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  prepare();
  TPairSummaryReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintPairs();
  if (extra) extra(reporter);
  reporter.PrintKernels();
  benchmark::Shutdown();
  return 0;
}

}  // namespace corvellane
