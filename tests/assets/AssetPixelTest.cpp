// The pixel rules of the pictures, read through the program's own BMP reader:
// key whites, flag frames, a seamless marble, loops without a jump, and hands
// that point exactly at their hot spots.
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/gfx/Bitmap.h"
#include "tests/assets/AssetBytes.h"

namespace tresilva::testing {
namespace {

TBitmap Load(const std::string& relative) { return TBitmap::FromBmpBytes(ReadAsset(relative)); }

constexpr TColor kWhite = 0xFFFFFF;

int Difference(TColor a, TColor b) {
    return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
           std::abs(GetBValue(a) - GetBValue(b));
}

struct Keyed {
    std::string path;
    int width, height;
};

// Drawn with their top-left white as the transparent colour, so that white must
// be the background and nothing else.
const Keyed kKeyed[] = {
    {"keys/key7.bmp", 30, 42},  {"keys/key8.bmp", 28, 42},  {"keys/key9.bmp", 28, 42},
    {"keys/key4.bmp", 30, 42},  {"keys/key5.bmp", 28, 42},  {"keys/key6.bmp", 27, 42},
    {"keys/key1.bmp", 28, 42},  {"keys/key2.bmp", 28, 42},  {"keys/key3.bmp", 28, 42},
    {"keys/key0.bmp", 30, 42},  {"keys/keypoint.bmp", 20, 42}, {"keys/erase.bmp", 33, 35},
    {"tools/hammer.bmp", 30, 30}, {"tools/question.bmp", 26, 30}, {"tools/ball.bmp", 26, 26},
};

// Sizes of the connected regions of exactly white pixels, and whether each
// touches the picture's border.
struct WhiteRegion {
    int size = 0;
    bool border = false;
};

std::vector<WhiteRegion> WhiteRegions(const TBitmap& bmp) {
    const int w = bmp.Width(), h = bmp.Height();
    std::vector<bool> seen(static_cast<std::size_t>(w) * h);
    std::vector<WhiteRegion> regions;
    for (int sy = 0; sy < h; ++sy)
        for (int sx = 0; sx < w; ++sx) {
            if (seen[static_cast<std::size_t>(sy) * w + sx] || bmp.Pixel(sx, sy) != kWhite) continue;
            WhiteRegion region;
            std::vector<std::pair<int, int>> stack{{sx, sy}};
            seen[static_cast<std::size_t>(sy) * w + sx] = true;
            while (!stack.empty()) {
                const auto [x, y] = stack.back();
                stack.pop_back();
                ++region.size;
                region.border = region.border || x == 0 || y == 0 || x == w - 1 || y == h - 1;
                const int nx[] = {x - 1, x + 1, x, x}, ny[] = {y, y, y - 1, y + 1};
                for (int k = 0; k < 4; ++k) {
                    if (nx[k] < 0 || ny[k] < 0 || nx[k] >= w || ny[k] >= h) continue;
                    const std::size_t i = static_cast<std::size_t>(ny[k]) * w + nx[k];
                    if (seen[i] || bmp.Pixel(nx[k], ny[k]) != kWhite) continue;
                    seen[i] = true;
                    stack.push_back({nx[k], ny[k]});
                }
            }
            regions.push_back(region);
        }
    return regions;
}

TEST(AssetPixels, KeyPicturesAreWhiteOnlyInTheirBackground) {
    for (const Keyed& key : kKeyed) {
        SCOPED_TRACE(key.path);
        const TBitmap bmp = Load(key.path);
        ASSERT_EQ(bmp.Width(), key.width);
        ASSERT_EQ(bmp.Height(), key.height);
        // The top-left white is the transparent colour, so every white pixel
        // vanishes: white may only be the background around the glyph or a
        // counter inside it (as in 0, 4, 6, 8, 9), never a highlight.
        EXPECT_EQ(bmp.Pixel(0, 0), kWhite) << "top-left pixel";
        for (const WhiteRegion& region : WhiteRegions(bmp))
            EXPECT_TRUE(region.border || region.size >= 6) << "a white speck of " << region.size << " pixels in the glyph";
        int glyph = 0, light = 0;
        long r = 0, b = 0;
        for (int y = 0; y < bmp.Height(); ++y)
            for (int x = 0; x < bmp.Width(); ++x) {
                const TColor c = bmp.Pixel(x, y);
                if (c == kWhite) continue;
                ++glyph;
                r += GetRValue(c);
                b += GetBValue(c);
                // An edge pixel that is almost white would show as a light fringe on the pad.
                const bool edge = bmp.Pixel(x - 1, y) == kWhite || bmp.Pixel(x + 1, y) == kWhite ||
                                  bmp.Pixel(x, y - 1) == kWhite || bmp.Pixel(x, y + 1) == kWhite;
                if (edge && GetRValue(c) > 235 && GetGValue(c) > 235 && GetBValue(c) > 235) ++light;
            }
        EXPECT_GT(glyph, 40) << "the picture shows something";
        EXPECT_EQ(light, 0) << "edge pixels blended toward white";
        if (key.path.rfind("keys/", 0) == 0) {
            EXPECT_GT(r, b * 2) << "the glyph is golden: warm, red over blue";
        }
        // The background reaches every corner, so a key stands on its pad with no box.
        EXPECT_EQ(bmp.Pixel(bmp.Width() - 1, 0), kWhite);
        EXPECT_EQ(bmp.Pixel(0, bmp.Height() - 1), kWhite);
        EXPECT_EQ(bmp.Pixel(bmp.Width() - 1, bmp.Height() - 1), kWhite);
    }
}

TEST(AssetPixels, FlagsHaveAOnePixelBlackFrame) {
    for (const char* code : {"dem", "ats", "bef", "esp", "fim", "frf", "iep", "itl", "luf", "nlg", "pte", "eur", "usd",
                             "gbp", "jpy"}) {
        SCOPED_TRACE(code);
        const TBitmap bmp = Load(std::string("flags/") + code + ".bmp");
        ASSERT_EQ(bmp.Width(), 16);
        ASSERT_EQ(bmp.Height(), 11);
        int frame = 0;
        for (int x = 0; x < 16; ++x) frame += (bmp.Pixel(x, 0) == clBlack) + (bmp.Pixel(x, 10) == clBlack);
        for (int y = 1; y < 10; ++y) frame += (bmp.Pixel(0, y) == clBlack) + (bmp.Pixel(15, y) == clBlack);
        EXPECT_EQ(frame, 2 * 16 + 2 * 9);
    }
}

// A few colours that make a flag recognisable, at the pixel that must hold them.
struct FlagProbe {
    std::string code;
    int x, y;
    TColor colour;
};

TEST(AssetPixels, FlagsShowTheirOwnColours) {
    const FlagProbe probes[] = {
        {"frf", 2, 5, RGB(0, 35, 149)},    {"frf", 7, 5, clWhite},          {"frf", 13, 5, RGB(237, 41, 57)},
        {"dem", 7, 2, clBlack},            {"dem", 7, 5, RGB(221, 0, 0)},   {"dem", 7, 8, RGB(255, 206, 0)},
        {"itl", 2, 5, RGB(0, 146, 70)},    {"iep", 13, 5, RGB(255, 136, 62)}, {"bef", 7, 5, RGB(253, 218, 36)},
        {"nlg", 7, 2, RGB(174, 28, 40)},   {"nlg", 7, 8, RGB(33, 70, 139)}, {"luf", 7, 8, RGB(0, 161, 222)},
        {"ats", 7, 5, clWhite},            {"fim", 6, 5, RGB(0, 47, 108)},  {"fim", 2, 2, clWhite},
        {"jpy", 1, 1, clWhite},            {"jpy", 8, 5, RGB(188, 0, 45)},  {"eur", 7, 5, RGB(0, 51, 153)},
        {"gbp", 7, 5, RGB(200, 16, 46)},   {"usd", 10, 1, RGB(178, 34, 52)}, {"usd", 10, 2, clWhite},
    };
    for (const FlagProbe& p : probes) {
        SCOPED_TRACE(p.code + " at " + std::to_string(p.x) + "," + std::to_string(p.y));
        EXPECT_EQ(Load("flags/" + p.code + ".bmp").Pixel(p.x, p.y), p.colour);
    }
}

TEST(AssetPixels, MarbleTilesWithoutASeam) {
    const TBitmap tile = Load("marble.bmp");
    ASSERT_EQ(tile.Width(), 128);
    ASSERT_EQ(tile.Height(), 128);
    // Across the wrap the step between neighbours is no larger than inside the tile.
    long inside = 0, across = 0;
    for (int i = 0; i < 128; ++i) {
        across += Difference(tile.Pixel(127, i), tile.Pixel(0, i)) + Difference(tile.Pixel(i, 127), tile.Pixel(i, 0));
        inside += Difference(tile.Pixel(63, i), tile.Pixel(64, i)) + Difference(tile.Pixel(i, 63), tile.Pixel(i, 64));
    }
    EXPECT_LE(across, inside * 3 / 2 + 128);
    // Light grey: bright and nearly without colour.
    long sum = 0;
    int maxChroma = 0;
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) {
            const TColor c = tile.Pixel(x, y);
            sum += GetRValue(c) + GetGValue(c) + GetBValue(c);
            const int hi = std::max({GetRValue(c), GetGValue(c), GetBValue(c)});
            const int lo = std::min({GetRValue(c), GetGValue(c), GetBValue(c)});
            maxChroma = std::max(maxChroma, hi - lo);
        }
    EXPECT_GT(sum / (3 * 128 * 128), 180);
    EXPECT_LT(maxChroma, 20);
}

struct Animation {
    std::string stem;
    int frames, width, height;
};

TEST(AssetPixels, AnimationsLoopWithoutAJump) {
    const Animation animations[] = {
        {"frames/euro/EURO", 6, 61, 43},
        {"frames/floppy/IMAGE", 36, 50, 40},
        {"frames/globe/IMAGE", 12, 39, 42},
    };
    for (const Animation& a : animations) {
        SCOPED_TRACE(a.stem);
        std::vector<TBitmap> frames;
        for (int i = 1; i <= a.frames; ++i) frames.push_back(Load(a.stem + std::to_string(i) + ".BMP"));
        auto change = [&](const TBitmap& p, const TBitmap& q) {
            long d = 0;
            for (int y = 0; y < a.height; ++y)
                for (int x = 0; x < a.width; ++x) d += Difference(p.Pixel(x, y), q.Pixel(x, y));
            return d;
        };
        long largest = 0, smallest = -1;
        for (int i = 0; i + 1 < a.frames; ++i) {
            const long d = change(frames[i], frames[i + 1]);
            ASSERT_EQ(frames[i].Width(), a.width);
            ASSERT_EQ(frames[i].Height(), a.height);
            largest = std::max(largest, d);
            smallest = smallest < 0 ? d : std::min(smallest, d);
        }
        EXPECT_GT(smallest, 0) << "every frame moves";
        const long wrap = change(frames.back(), frames.front());
        EXPECT_GT(wrap, 0);
        EXPECT_LE(wrap, largest * 5 / 4) << "the last frame does not lead into the first";
    }
}

// The masks of a cursor file: opaque where the AND bit is clear.
struct Mask {
    bool opaque[32][32];
    bool white[32][32];
    bool inverted[32][32];
};

Mask ReadMask(const std::vector<std::uint8_t>& b) {
    Mask m{};
    const std::size_t xorAt = 22 + 40 + 8, andAt = xorAt + 128;
    for (int row = 0; row < 32; ++row) {
        const int y = 31 - row;  // bottom-up
        for (int x = 0; x < 32; ++x) {
            const std::size_t byte = static_cast<std::size_t>(row) * 4 + x / 8;
            const int bit = 0x80 >> (x % 8);
            const bool andBit = (b[andAt + byte] & bit) != 0, xorBit = (b[xorAt + byte] & bit) != 0;
            m.opaque[y][x] = !andBit;
            m.white[y][x] = !andBit && xorBit;
            m.inverted[y][x] = andBit && xorBit;
        }
    }
    return m;
}

TEST(AssetPixels, HandsPointExactlyAtTheirHotSpots) {
    struct Hand {
        std::string path;
        int hotX, hotY, dx, dy;  // the direction the finger points
    };
    const Hand hands[] = {
        {"cursors/tophand.cur", 11, 3, 0, -1},
        {"cursors/righthand.cur", 29, 11, 1, 0},
        {"cursors/lefthand.cur", 1, 11, -1, 0},
    };
    for (const Hand& h : hands) {
        SCOPED_TRACE(h.path);
        const std::vector<std::uint8_t> b = ReadAsset(h.path);
        ASSERT_EQ(b.size(), 326u);
        const Mask m = ReadMask(b);
        EXPECT_TRUE(m.opaque[h.hotY][h.hotX]) << "the hot spot is on the hand";
        EXPECT_FALSE(m.white[h.hotY][h.hotX]) << "the fingertip is outlined";
        int whites = 0, blacks = 0, beyond = 0, inverted = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                inverted += m.inverted[y][x];
                if (!m.opaque[y][x]) continue;
                m.white[y][x] ? ++whites : ++blacks;
                // Nothing of the hand lies further along the pointing direction.
                if ((x - h.hotX) * h.dx + (y - h.hotY) * h.dy > 0) ++beyond;
            }
        EXPECT_EQ(beyond, 0);
        EXPECT_EQ(inverted, 0) << "no screen-inverting pixels";
        EXPECT_GT(whites, 150) << "a white hand";
        EXPECT_GT(blacks, 60) << "with a black outline";
        // The outline closes the hand: no white pixel touches a transparent one.
        int open = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                if (!m.white[y][x]) continue;
                const int nx[] = {x - 1, x + 1, x, x}, ny[] = {y, y, y - 1, y + 1};
                for (int k = 0; k < 4; ++k)
                    if (nx[k] < 0 || nx[k] > 31 || ny[k] < 0 || ny[k] > 31 || !m.opaque[ny[k]][nx[k]]) ++open;
            }
        EXPECT_EQ(open, 0);
    }
}

}  // namespace
}  // namespace tresilva::testing
