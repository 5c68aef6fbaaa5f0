// The main window's windowless stack composed over its 563 x 283 client area
// (marble mosaic, five pads, the darkening band, fifteen keys), against the
// baseline of one plain block copy of the whole area, in the same run. After
// the runs the ratios to the baseline are printed.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "tests/controls/freelib/MainWindowStack.h"

namespace {

using namespace tresilva;

constexpr int kWidth = test::MainWindowStack::kWidth;
constexpr int kHeight = test::MainWindowStack::kHeight;

void BM_PlainCopyBaseline(benchmark::State& state) {
    TBitmap from(kWidth, kHeight), to(kWidth, kHeight);
    const TRect all = Rect(0, 0, kWidth, kHeight);
    for (auto _ : state) {
        to.Canvas().CopyRect(all, from.Canvas(), all);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PlainCopyBaseline);

void PaintStack(benchmark::State& state, TQuality quality) {
    test::MainWindowStack host(quality);
    host.Realise();
    host.Update();
    const TRect all = Rect(0, 0, kWidth, kHeight);
    for (auto _ : state) {
        host.PaintArea(all);
        benchmark::ClobberMemory();
    }
}
void BM_PaintStack_quHi(benchmark::State& state) { PaintStack(state, quHi); }
void BM_PaintStack_quLow(benchmark::State& state) { PaintStack(state, quLow); }
BENCHMARK(BM_PaintStack_quHi)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintStack_quLow)->Unit(benchmark::kMicrosecond);

// One key's area, as a key flash repaints it: every layer beneath, then the key.
void BM_KeyFlash_quHi(benchmark::State& state) {
    test::MainWindowStack host(quHi);
    host.Realise();
    host.Update();
    const TRect key = Bounds(55, 115, 36, 41);
    for (auto _ : state) {
        host.PaintArea(key);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_KeyFlash_quHi)->Unit(benchmark::kMicrosecond);

// Keeps each run's time per iteration and prints the ratios at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        // One figure per benchmark: its run, or the median of its repetitions.
        for (const Run& r : runs) {
            if (r.error_occurred) continue;
            const bool median = r.run_type == Run::RT_Aggregate && r.aggregate_name == "median";
            if (r.run_type != Run::RT_Iteration && !median) continue;
            times_[r.run_name.function_name] = {r.GetAdjustedRealTime() * UnitSeconds(r.time_unit),
                                                r.GetAdjustedCPUTime() * UnitSeconds(r.time_unit)};
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        const auto base = times_.find("BM_PlainCopyBaseline");
        if (base == times_.end() || base->second.real <= 0 || base->second.cpu <= 0) return;
        const Times b = base->second;
        std::printf("\nRatios to BM_PlainCopyBaseline (real %.2f us, CPU %.2f us):\n", b.real * 1e6, b.cpu * 1e6);
        for (const auto& [name, t] : times_) {
            if (name == base->first) continue;
            std::printf("  %-22s real %10.2f us  x %6.1f   CPU %10.2f us  x %6.1f\n", name.c_str(), t.real * 1e6,
                        t.real / b.real, t.cpu * 1e6, t.cpu / b.cpu);
        }
    }

private:
    static double UnitSeconds(benchmark::TimeUnit unit) {
        switch (unit) {
            case benchmark::kNanosecond: return 1e-9;
            case benchmark::kMicrosecond: return 1e-6;
            case benchmark::kMillisecond: return 1e-3;
            default: return 1.0;
        }
    }
    struct Times {
        double real = 0, cpu = 0;
    };
    std::map<std::string, Times> times_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
