#pragma once
// Small fixture surfaces for the shading tests, and a way to see what a paint
// did to each pixel.
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"

namespace tresilva::test {

// Every pixel the same grey, so a shaded pixel's delta is its value less the grey.
inline TBitmap Grey(int width, int height, int level = 128) {
    TBitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) b.SetPixel(x, y, RGB(level, level, level));
    return b;
}

// A different colour at every pixel (for surfaces up to 256 wide), so a pixel
// copied from the wrong place shows.
inline TColor PatternAt(int x, int y) { return RGB(x & 0xFF, y & 0xFF, (x * 3 + y * 5 + 17) & 0xFF); }
inline TBitmap Pattern(int width, int height) {
    TBitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) b.SetPixel(x, y, PatternAt(x, y));
    return b;
}

// The per-pixel shift from `before` to `after`, rows of columns. A pixel whose
// three channels moved by different amounts reads kMixed.
constexpr int kMixed = 9999;
using DeltaGrid = std::vector<std::vector<int>>;
inline DeltaGrid Deltas(const TBitmap& before, const TBitmap& after) {
    DeltaGrid grid(static_cast<std::size_t>(after.Height()), std::vector<int>(static_cast<std::size_t>(after.Width())));
    for (int y = 0; y < after.Height(); ++y) {
        for (int x = 0; x < after.Width(); ++x) {
            const TColor a = before.Pixel(x, y), b = after.Pixel(x, y);
            const int dr = GetRValue(b) - GetRValue(a);
            const int dg = GetGValue(b) - GetGValue(a);
            const int db = GetBValue(b) - GetBValue(a);
            grid[y][x] = (dr == dg && dg == db) ? dr : kMixed;
        }
    }
    return grid;
}

// Compares two grids and names the first few pixels that differ.
inline ::testing::AssertionResult SameGrid(const DeltaGrid& expected, const DeltaGrid& actual) {
    if (expected.size() != actual.size()) return ::testing::AssertionFailure() << "height differs";
    std::ostringstream out;
    int wrong = 0;
    for (std::size_t y = 0; y < expected.size(); ++y) {
        if (expected[y].size() != actual[y].size()) return ::testing::AssertionFailure() << "width differs";
        for (std::size_t x = 0; x < expected[y].size(); ++x) {
            if (expected[y][x] == actual[y][x]) continue;
            if (++wrong <= 12)
                out << " (" << x << ", " << y << "): expected " << expected[y][x] << ", got " << actual[y][x] << ";";
        }
    }
    if (wrong == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << wrong << " pixels differ:" << out.str();
}

// Compares two surfaces pixel by pixel.
inline ::testing::AssertionResult SamePixels(const TBitmap& expected, const TBitmap& actual) {
    if (expected.Width() != actual.Width() || expected.Height() != actual.Height())
        return ::testing::AssertionFailure() << "sizes differ";
    std::ostringstream out;
    int wrong = 0;
    for (int y = 0; y < expected.Height(); ++y) {
        for (int x = 0; x < expected.Width(); ++x) {
            if (expected.Pixel(x, y) == actual.Pixel(x, y)) continue;
            if (++wrong <= 12)
                out << std::hex << " (" << std::dec << x << ", " << y << "): expected 0x" << std::hex
                    << expected.Pixel(x, y) << ", got 0x" << actual.Pixel(x, y) << std::dec << ";";
        }
    }
    if (wrong == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << wrong << " pixels differ:" << out.str();
}

// A grid of `width` x `height` zeros.
inline DeltaGrid Zeros(int width, int height) {
    return DeltaGrid(static_cast<std::size_t>(height), std::vector<int>(static_cast<std::size_t>(width), 0));
}

}  // namespace tresilva::test
