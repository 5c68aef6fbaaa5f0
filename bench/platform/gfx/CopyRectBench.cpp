// A whole-host block copy through the canvas against a plain memcpy of the
// same pixels (the baseline): what the clipping and bounds checks cost.
#include <benchmark/benchmark.h>

#include <cstring>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"

namespace {

constexpr int kWidth = 563;
constexpr int kHeight = 283;

void BM_MemcpyBaseline(benchmark::State& state) {
    tresilva::TBitmap from(kWidth, kHeight), to(kWidth, kHeight);
    for (auto _ : state) {
        std::memcpy(to.MutableRow(0), from.Row(0), sizeof(std::uint32_t) * kWidth * kHeight);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MemcpyBaseline);

void BM_CopyRect(benchmark::State& state) {
    tresilva::TBitmap from(kWidth, kHeight), to(kWidth, kHeight);
    const tresilva::TRect all = tresilva::Rect(0, 0, kWidth, kHeight);
    for (auto _ : state) {
        to.Canvas().CopyRect(all, from.Canvas(), all);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CopyRect);

// A control-sized canvas with an origin and a clip, as the painting host makes them.
void BM_CopyRectClipped(benchmark::State& state) {
    tresilva::TBitmap from(kWidth, kHeight), to(kWidth, kHeight);
    tresilva::TCanvas dest(to, tresilva::TPoint{-10, -10}, tresilva::Rect(0, 0, kWidth, kHeight));
    tresilva::TCanvas src(from, tresilva::TPoint{-10, -10}, tresilva::Rect(0, 0, kWidth, kHeight));
    const tresilva::TRect area = tresilva::Rect(0, 0, kWidth + 20, kHeight + 20);
    for (auto _ : state) {
        dest.CopyRect(area, src, area);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CopyRectClipped);

// Nearest-neighbour doubling, as for a high-density screen.
void BM_StretchDouble(benchmark::State& state) {
    tresilva::TBitmap from(kWidth, kHeight), to(2 * kWidth, 2 * kHeight);
    for (auto _ : state) {
        to.Canvas().StretchDraw(tresilva::Rect(0, 0, 2 * kWidth, 2 * kHeight), from);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_StretchDouble);

}  // namespace
