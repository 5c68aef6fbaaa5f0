#pragma once
// Ratios against a baseline measured in the same run, on this thread's CPU time:
// the machine is shared, so wall time would measure the others too.
#include <benchmark/benchmark.h>

#include <ctime>

namespace tresilva::bench {

inline double CpuNs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e9 + static_cast<double>(t.tv_nsec);
}

// The baseline's CPU time per iteration; the baseline benchmark runs first and sets it.
inline double& BaselineNs() {
    static double ns = 0;
    return ns;
}

inline void ReportRatio(benchmark::State& state, double perIterationNs) {
    state.counters["baseline_ns"] = BaselineNs();
    state.counters["ratio"] = BaselineNs() > 0 ? perIterationNs / BaselineNs() : 0;
}

}  // namespace tresilva::bench
