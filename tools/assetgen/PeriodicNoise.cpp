#include "tools/assetgen/PeriodicNoise.h"

#include <cmath>

namespace tresilva {

std::uint64_t Prng::Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

PeriodicNoise::PeriodicNoise(int cells, std::uint64_t seed) : cells_(cells) {
    Prng prng(seed);
    lattice_.resize(static_cast<std::size_t>(cells) * cells);
    for (double& v : lattice_) v = prng.Uniform();
}

double PeriodicNoise::At(double u, double v) const {
    const double x = u * cells_, y = v * cells_;
    const double fx = std::floor(x), fy = std::floor(y);
    auto wrap = [this](double i) {
        const int n = static_cast<int>(i) % cells_;
        return n < 0 ? n + cells_ : n;
    };
    const int x0 = wrap(fx), y0 = wrap(fy), x1 = (x0 + 1) % cells_, y1 = (y0 + 1) % cells_;
    auto smooth = [](double t) { return t * t * t * (t * (t * 6 - 15) + 10); };
    const double tx = smooth(x - fx), ty = smooth(y - fy);
    auto at = [this](int i, int j) { return lattice_[static_cast<std::size_t>(j) * cells_ + i]; };
    const double top = at(x0, y0) + (at(x1, y0) - at(x0, y0)) * tx;
    const double bottom = at(x0, y1) + (at(x1, y1) - at(x0, y1)) * tx;
    return top + (bottom - top) * ty;
}

PeriodicFbm::PeriodicFbm(int firstCells, int octaves, std::uint64_t seed) {
    for (int i = 0; i < octaves; ++i) octaves_.emplace_back(firstCells << i, seed + 1000003ull * i);
}

double PeriodicFbm::At(double u, double v) const {
    double sum = 0, norm = 0, amplitude = 1;
    for (const PeriodicNoise& n : octaves_) {
        sum += amplitude * n.At(u, v);
        norm += amplitude;
        amplitude *= 0.5;
    }
    return sum / norm;
}

}  // namespace tresilva
