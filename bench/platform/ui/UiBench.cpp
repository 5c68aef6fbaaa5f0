// Composition cost of a host against one plain block copy of the same area.
//
// The host is 563 x 283 and holds ten windowless controls that each copy the
// pixels beneath them into an off-screen bitmap, change the copy and write it
// back, the way the shading controls work. Baseline: one CopyRect of the
// whole area into an off-screen bitmap, in the same run. The ratio is
// reported as the counter "ratio" of each composition benchmark.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <memory>
#include <vector>

#include "bench/CpuRatio.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/ui/GraphicControl.h"
#include "platform/ui/WinControl.h"

namespace tresilva {
namespace {

using bench::BaselineNs;
using bench::CpuNs;

constexpr int kWidth = 563;
constexpr int kHeight = 283;

// Copies what lies beneath, lightens it per channel, writes it back.
class Shader : public TGraphicControl {
public:
    Shader(TWinControl* host, TRect bounds) : TGraphicControl(host) {
        SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        SetParent(host);
    }

protected:
    void Paint() override {
        TCanvas& canvas = Canvas();
        TBitmap copy(Width(), Height());  // lives for this paint
        copy.Canvas().CopyRect(ClientRect(), canvas, ClientRect());
        for (int y = 0; y < copy.Height(); ++y) {
            std::uint32_t* row = copy.MutableRow(y);
            for (int x = 0; x < copy.Width(); ++x) {
                const std::uint32_t p = row[x];
                const std::uint32_t r = std::min<std::uint32_t>((p & 0xFF) + 20, 255);
                const std::uint32_t g = std::min<std::uint32_t>(((p >> 8) & 0xFF) + 20, 255);
                const std::uint32_t b = std::min<std::uint32_t>(((p >> 16) & 0xFF) + 20, 255);
                row[x] = r | (g << 8) | (b << 16);
            }
        }
        canvas.Draw(0, 0, copy);
    }
};

struct Scene {
    explicit Scene(bool stacked) : host(nullptr) {
        host.SetBounds(0, 0, kWidth, kHeight);
        host.SetColor(clSilver);
        for (int i = 0; i < 10; ++i) {
            // Stacked: ten layers over the whole area. Tiled: five by two, each
            // a tenth of the area, overlapping its neighbours by a few pixels.
            const TRect r = stacked ? Rect(0, 0, kWidth, kHeight)
                                    : Bounds((i % 5) * kWidth / 5 - 2, (i / 5) * kHeight / 2 - 2, kWidth / 5 + 4,
                                             kHeight / 2 + 4);
            controls.push_back(std::make_unique<Shader>(&host, r));
        }
        host.Realise();
    }
    TWinControl host;
    std::vector<std::unique_ptr<Shader>> controls;
};

void BM_PlainCopy(benchmark::State& state) {
    TBitmap surface(kWidth, kHeight);
    TBitmap target(kWidth, kHeight);
    const TRect whole = Rect(0, 0, kWidth, kHeight);
    const double start = CpuNs();
    std::int64_t n = 0;
    for (auto _ : state) {
        target.Canvas().CopyRect(whole, surface.Canvas(), whole);
        benchmark::DoNotOptimize(target.Row(0));
        ++n;
    }
    const double ns = CpuNs() - start;
    BaselineNs() = ns / static_cast<double>(std::max<std::int64_t>(n, 1));
}

void Compose(benchmark::State& state, bool stacked) {
    Scene scene(stacked);
    const TRect whole = Rect(0, 0, kWidth, kHeight);
    const double start = CpuNs();
    std::int64_t n = 0;
    for (auto _ : state) {
        scene.host.PaintArea(whole);
        benchmark::DoNotOptimize(scene.host.Surface().Row(0));
        ++n;
    }
    const double ns = CpuNs() - start;
    const double perIteration = ns / static_cast<double>(std::max<std::int64_t>(n, 1));
    bench::ReportRatio(state, perIteration);
}

void BM_ComposeTenStacked(benchmark::State& state) { Compose(state, true); }
void BM_ComposeTenTiled(benchmark::State& state) { Compose(state, false); }

// The baseline first, so the ratios have it.
BENCHMARK(BM_PlainCopy);
BENCHMARK(BM_ComposeTenStacked);
BENCHMARK(BM_ComposeTenTiled);

}  // namespace
}  // namespace tresilva
