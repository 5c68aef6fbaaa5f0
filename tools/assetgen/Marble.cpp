#include "tools/assetgen/Marble.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/assetgen/PeriodicNoise.h"

namespace tresilva {

QImage MarbleTile() {
    constexpr int kSize = 128;
    const PeriodicFbm clouds(4, 5, 0x5EED0001ull);
    const PeriodicFbm turbulence(4, 5, 0x5EED0002ull);
    const PeriodicFbm grain(32, 2, 0x5EED0003ull);
    QImage out(kSize, kSize, QImage::Format_RGB32);
    constexpr double kTwoPi = 2 * std::numbers::pi;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const double u = x / double(kSize), v = y / double(kSize);
            const double warp = turbulence.At(u, v) - 0.5;
            // Two vein families along directions of whole periods (1, 1) and (2, -1).
            const double a = std::sin(kTwoPi * (u + v) + 9.0 * warp);
            const double b = std::sin(kTwoPi * (2 * u - v) + 7.0 * (clouds.At(v, u) - 0.5));
            const double vein = 0.75 * std::pow(1.0 - std::abs(a), 6.0) + 0.45 * std::pow(1.0 - std::abs(b), 9.0);
            const double cloud = clouds.At(u, v) - 0.5;
            const double fine = grain.At(u, v) - 0.5;
            const double light = 216.0 + 22.0 * cloud + 5.0 * fine - 34.0 * std::min(1.0, vein);
            const int grey = static_cast<int>(std::lround(std::clamp(light, 0.0, 250.0)));
            // A cool tint in the veins, a warm one in the light cloud.
            const int r = std::clamp(grey + static_cast<int>(std::lround(1 - 4 * vein)), 0, 250);
            const int g = std::clamp(grey + static_cast<int>(std::lround(0 - 2 * vein)), 0, 250);
            const int bl = std::clamp(grey + static_cast<int>(std::lround(-1 + 3 * vein)), 0, 250);
            out.setPixel(x, y, qRgb(r, g, bl));
        }
    }
    return out;
}

}  // namespace tresilva
