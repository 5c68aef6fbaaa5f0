// The converter core's hot paths, each against a baseline measured in the same run.
//   BM_Convert10Digits         one Convert of a 10-digit amount into fourteen panels (no-op window)
//   BM_Writer / BM_Snprintf    the fixed-point writer vs glibc snprintf("%21.5Lf") on the same values
//   BM_WriterVsSnprintf        both, interleaved in one loop; reports glibc time / ours as "ratio"
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "core/Converter.h"
#include "core/Float48.h"
#include "core/Format.h"

namespace {

using namespace tresilva::core;

class TNullWindow : public TConverterWindow {
public:
    explicit TNullWindow(bool rounding) : rounding_(rounding) {}
    std::string DisplayText() override { return display; }
    void SetDisplayText(const std::string& text) override { display = text; }
    void SetPanelCaption(int, const std::string& caption) override { benchmark::DoNotOptimize(caption.data()); }
    void SetPanelColor(int, ColorValue) override {}
    void SetLabelBold(int, bool) override {}
    void SetMoneyCaption(const std::string&) override {}
    void CopyFlag(int) override {}
    void HideKey(char) override {}
    void ShowKey(char) override {}
    bool RoundingOption() override { return rounding_; }
    std::string display = "1234567890";

private:
    bool rounding_;
};

void Convert10Digits(benchmark::State& state, bool rounding) {
    TNullWindow window(rounding);
    TConverter converter(window, ',');
    converter.InitFixedRates();
    converter.LoadEditableRates("1,15455", "0,70807", "129,289");
    converter.SetCurrent(6);  // FRF
    for (auto _ : state) converter.Convert();
    state.SetItemsProcessed(state.iterations() * 14);  // results per second
}
void BM_Convert10Digits(benchmark::State& state) { Convert10Digits(state, false); }
void BM_Convert10DigitsRounded(benchmark::State& state) { Convert10Digits(state, true); }
BENCHMARK(BM_Convert10Digits);
BENCHMARK(BM_Convert10DigitsRounded);

// The values the writer sees in practice: Float48 results of conversions, from
// 10^-3 to 10^13.
const std::vector<long double>& Values() {
    static const std::vector<long double> values = [] {
        std::mt19937_64 rng(7);
        std::vector<long double> v;
        for (int i = 0; i < 1024; ++i) {
            const long double mantissa = 1.0L + static_cast<long double>(rng() % 1000000007) / 1000000007.0L;
            const int exponent = static_cast<int>(rng() % 54) - 10;
            v.push_back(Float48::Store(std::ldexp(mantissa, exponent)).Load());
        }
        return v;
    }();
    return values;
}

void BM_Writer(benchmark::State& state) {
    const auto& values = Values();
    std::string out;
    std::size_t i = 0;
    for (auto _ : state) {
        WriteFixed(values[i++ & 1023], 21, 5, out);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_Writer);

void BM_Snprintf(benchmark::State& state) {
    const auto& values = Values();
    char buffer[64];
    std::size_t i = 0;
    for (auto _ : state) {
        std::snprintf(buffer, sizeof buffer, "%21.5Lf", values[i++ & 1023]);
        benchmark::DoNotOptimize(buffer);
    }
}
BENCHMARK(BM_Snprintf);

void BM_WriterVsSnprintf(benchmark::State& state) {
    const auto& values = Values();
    std::string out;
    char buffer[64];
    double ours = 0, glibc = 0;
    std::size_t count = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        for (long double v : values) {
            WriteFixed(v, 21, 5, out);
            benchmark::DoNotOptimize(out.data());
        }
        const auto t1 = std::chrono::steady_clock::now();
        for (long double v : values) {
            std::snprintf(buffer, sizeof buffer, "%21.5Lf", v);
            benchmark::DoNotOptimize(buffer);
        }
        const auto t2 = std::chrono::steady_clock::now();
        ours += std::chrono::duration<double, std::nano>(t1 - t0).count();
        glibc += std::chrono::duration<double, std::nano>(t2 - t1).count();
        count += values.size();
    }
    state.counters["ours_ns"] = ours / static_cast<double>(count);
    state.counters["glibc_ns"] = glibc / static_cast<double>(count);
    state.counters["ratio"] = glibc / ours;  // > 1: ours is faster
}
BENCHMARK(BM_WriterVsSnprintf);

}  // namespace
