#pragma once
// Smooth value noise that repeats exactly over its period, from a fixed-seed
// generator of our own: the marble tiles without a seam and never changes.
#include <cstdint>
#include <vector>

namespace tresilva {

// SplitMix64: small, fast and the same everywhere.
class Prng {
public:
    explicit Prng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next();
    double Uniform() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }  // [0, 1)

private:
    std::uint64_t state_;
};

class PeriodicNoise {
public:
    // `cells` lattice cells across one period in each direction.
    PeriodicNoise(int cells, std::uint64_t seed);
    // u, v in periods (1.0 = one period); the value is in [0, 1].
    double At(double u, double v) const;

private:
    int cells_;
    std::vector<double> lattice_;
};

// Sum of octaves of periodic noise (2, 4, 8 ... cells), normalised to [0, 1].
class PeriodicFbm {
public:
    PeriodicFbm(int firstCells, int octaves, std::uint64_t seed);
    double At(double u, double v) const;

private:
    std::vector<PeriodicNoise> octaves_;
};

}  // namespace tresilva
