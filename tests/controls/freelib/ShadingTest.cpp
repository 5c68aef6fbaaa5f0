// The shading primitives on small in-memory surfaces: every pixel of the
// fixture is checked, changed or not.
#include "controls/freelib/Shading.h"

#include <climits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/gfx/Canvas.h"
#include "tests/controls/freelib/Surfaces.h"

namespace tresilva {
namespace {

using test::DeltaGrid;
using test::Deltas;
using test::Grey;
using test::Pattern;
using test::PatternAt;
using test::SameGrid;
using test::SamePixels;
using test::Zeros;

// ---------------------------------------------------------------- ShiftColor

struct ShiftCase {
    TColor color;
    int delta;
    TColor expected;
};

TEST(ShiftColor, ClampsOvershootTo254And1ButKeepsExact255And0) {
    const ShiftCase cases[] = {
        {RGB(200, 200, 200), 60, RGB(254, 254, 254)},   // past 255: 254
        {RGB(195, 195, 195), 60, RGB(255, 255, 255)},   // exactly 255 stays
        {RGB(50, 50, 50), -60, RGB(1, 1, 1)},           // below 0: 1
        {RGB(60, 60, 60), -60, RGB(0, 0, 0)},           // exactly 0 stays
        {RGB(20, 100, 255), -30, RGB(1, 70, 225)},      // channels clamp on their own
        {RGB(250, 10, 128), 0, RGB(250, 10, 128)},      // 0 changes nothing
        {RGB(0, 0, 0), 0, RGB(0, 0, 0)},
        {RGB(255, 255, 255), 1, RGB(254, 254, 254)},    // white lightened drops to 254
        {RGB(0, 0, 0), -1, RGB(1, 1, 1)},               // black darkened rises to 1
        {RGB(10, 20, 30), INT_MAX, RGB(254, 254, 254)}, // extreme amounts clamp, never wrap
        {RGB(10, 20, 30), INT_MIN, RGB(1, 1, 1)},
        {clBtnFace, 10, RGB(202, 202, 202)},            // a system colour is resolved first
        {static_cast<TColor>(0x02102030), 0, 0x102030}, // the top byte is dropped
    };
    for (const ShiftCase& c : cases) {
        EXPECT_EQ(ShiftColor(c.color, c.delta), c.expected)
            << std::hex << "colour 0x" << c.color << std::dec << " delta " << c.delta;
    }
}

// ---------------------------------------------------------------- ShadeRect

TEST(ShadeRect, LowQualityShadesTheCheckerboardWithXPlusYEven) {
    const TBitmap before = Grey(6, 6);
    TBitmap surface = before;
    ShadeRect(surface.Canvas(), 0, 0, 3, 3, -20, quLow);
    DeltaGrid expected = Zeros(6, 6);
    for (int y = 0; y <= 3; ++y)
        for (int x = 0; x <= 3; ++x)
            if ((x + y) % 2 == 0) expected[y][x] = -20;
    EXPECT_TRUE(SameGrid(expected, Deltas(before, surface)));
}

TEST(ShadeRect, BoundsAreInclusiveAndLoopsRunAtLeastOnce) {
    struct Case {
        const char* what;
        int x1, y1, x2, y2;
        std::vector<std::pair<int, int>> shaded;
    };
    const Case cases[] = {
        {"inclusive", 1, 1, 2, 3, {{1, 1}, {2, 1}, {1, 2}, {2, 2}, {1, 3}, {2, 3}}},
        {"both reversed: only (X1, Y1)", 3, 2, 1, 0, {{3, 2}}},
        {"columns reversed: column X1 only", 3, 1, 0, 2, {{3, 1}, {3, 2}}},
        {"rows reversed: row Y1 of each column", 0, 3, 1, 1, {{0, 3}, {1, 3}}},
        {"one past the surface is skipped", 3, 3, 5, 5, {{3, 3}, {4, 3}, {3, 4}, {4, 4}}},
        {"wholly outside", -9, -9, -1, -1, {}},
    };
    for (const Case& c : cases) {
        const TBitmap before = Grey(5, 5);
        TBitmap surface = before;
        ShadeRect(surface.Canvas(), c.x1, c.y1, c.x2, c.y2, 30, quHi);
        DeltaGrid expected = Zeros(5, 5);
        for (auto [x, y] : c.shaded) expected[y][x] = 30;
        EXPECT_TRUE(SameGrid(expected, Deltas(before, surface))) << c.what;
    }
}

TEST(ShadeRect, CheckerboardFollowsTheCanvasOriginAndWritesStayInItsClip) {
    // A canvas whose (0, 0) is at surface (1, 0): (x + y) is counted from
    // there, and nothing outside the clip changes even when the bounds reach it.
    const TBitmap before = Grey(6, 3);
    TBitmap surface = before;
    TCanvas canvas(surface, TPoint{1, 0}, Rect(1, 0, 4, 3));
    ShadeRect(canvas, -1, 0, 5, 2, 10, quLow);
    const DeltaGrid expected = {
        {0, 10, 0, 10, 0, 0},
        {0, 0, 10, 0, 0, 0},
        {0, 10, 0, 10, 0, 0},
    };
    EXPECT_TRUE(SameGrid(expected, Deltas(before, surface)));
}

TEST(ShadeRect, HugeBoundsCostOnlyTheSurface) {
    const TBitmap before = Grey(3, 2);
    TBitmap surface = before;
    ShadeRect(surface.Canvas(), INT_MIN, INT_MIN, INT_MAX, INT_MAX, -5, quHi);
    DeltaGrid expected = {{-5, -5, -5}, {-5, -5, -5}};
    EXPECT_TRUE(SameGrid(expected, Deltas(before, surface)));
}

// ---------------------------------------------------------------- ShadeBand

TEST(ShadeBand, StepGrowsTheShiftAwayFromZeroByDeltasSignBeforeEveryLine) {
    struct Case {
        int delta, step;
        bool horizontal;
        std::vector<int> perLine;  // the shift of lines 0, 1, 2
    };
    const Case cases[] = {
        {10, 5, true, {15, 20, 25}},
        {-10, 5, true, {-15, -20, -25}},
        {0, 5, false, {-5, -10, -15}},  // Delta 0 counts as not positive
        {10, 0, false, {10, 10, 10}},
    };
    for (const Case& c : cases) {
        const TBitmap before = Grey(3, 3);
        TBitmap surface = before;
        ShadeBand(surface.Canvas(), 0, 0, 2, 2, c.delta, c.step, 0, c.horizontal, quHi);
        DeltaGrid expected = Zeros(3, 3);
        for (int line = 0; line < 3; ++line)
            for (int i = 0; i < 3; ++i) (c.horizontal ? expected[line][i] : expected[i][line]) = c.perLine[line];
        EXPECT_TRUE(SameGrid(expected, Deltas(before, surface))) << c.delta << " step " << c.step;
    }
}

TEST(ShadeBand, SlopeShortensTheLinesAndAnEmptyLineStillShadesItsFirstPixel) {
    struct Case {
        const char* what;
        int x1, y1, x2, y2, slope;
        bool horizontal;
        DeltaGrid expected;
    };
    const Case cases[] = {
        {"slope 1: the first row is the longest", 0, 0, 4, 3, 1, true,
         {{7, 7, 7, 7, 7}, {0, 7, 7, 7, 0}, {0, 0, 7, 0, 0}, {0, 0, 0, 7, 0}}},
        {"slope -1: the last row is the longest", 0, 0, 4, 2, -1, true,
         {{0, 0, 7, 0, 0}, {0, 7, 7, 7, 0}, {7, 7, 7, 7, 7}, {0, 0, 0, 0, 0}}},
        {"slope 1, vertical", 0, 0, 2, 4, 1, false,
         {{7, 0, 0, 0, 0}, {7, 7, 0, 0, 0}, {7, 7, 7, 0, 0}, {7, 7, 0, 0, 0}}},
    };
    for (const Case& c : cases) {
        const TBitmap before = Grey(5, 4);
        TBitmap surface = before;
        ShadeBand(surface.Canvas(), c.x1, c.y1, c.x2, c.y2, 7, 0, c.slope, c.horizontal, quHi);
        EXPECT_TRUE(SameGrid(c.expected, Deltas(before, surface))) << c.what;
    }
}

// ---------------------------------------------------------------- ShadeBorder

TEST(ShadeBorder, WidthOneOnTenByTenIsTwoLinesDeepWithDoublyShadedDiagonals) {
    const TBitmap before = Grey(10, 10);
    TBitmap surface = before;
    ShadeBorder(surface.Canvas(), 0, 0, 9, 9, 1, 40, 0, 1, quHi);
    const DeltaGrid expected = {
        {80, 40, 40, 40, 40, 40, 40, 40, 40, 0},
        {40, 80, 40, 40, 40, 40, 40, 40, 0, -40},
        {40, 40, 0, 0, 0, 0, 0, 0, -40, -40},
        {40, 40, 0, 0, 0, 0, 0, 0, -40, -40},
        {40, 40, 0, 0, 0, 0, 0, 0, -40, -40},
        {40, 40, 0, 0, 0, 0, 0, 0, -40, -40},
        {40, 40, 0, 0, 0, 0, 0, 0, -40, -40},
        {40, 40, 0, 0, 0, 0, 0, 0, -40, -40},
        {40, 0, -40, -40, -40, -40, -40, -40, -80, -40},
        {0, -40, -40, -40, -40, -40, -40, -40, -40, -80},
    };
    EXPECT_TRUE(SameGrid(expected, Deltas(before, surface)));
}

TEST(ShadeBorder, LightenedThenDarkenedCornerDoesNotComeBackWhenClamped) {
    // On a bright surface the top side clamps at 254 before the right side
    // darkens the same pixel: (9, 0) ends at 214, not 230.
    TBitmap surface = Grey(10, 10, 230);
    ShadeBorder(surface.Canvas(), 0, 0, 9, 9, 1, 40, 0, 1, quHi);
    EXPECT_EQ(surface.Pixel(9, 0), RGB(214, 214, 214));
    EXPECT_EQ(surface.Pixel(0, 0), RGB(254, 254, 254));  // lightened twice, clamped once
    EXPECT_EQ(surface.Pixel(9, 9), RGB(150, 150, 150));
}

TEST(ShadeBorder, NegativeIntensitySinksTheBorder) {
    const TBitmap before = Grey(4, 4);
    TBitmap surface = before;
    ShadeBorder(surface.Canvas(), 0, 0, 3, 3, 0, -10, 0, 1, quHi);
    const DeltaGrid expected = {
        {-20, -10, -10, 0},
        {-10, 0, 0, 10},
        {-10, 0, 0, 10},
        {0, 10, 10, 20},
    };
    EXPECT_TRUE(SameGrid(expected, Deltas(before, surface)));
}

// ---------------------------------------------------------------- CastShadow

TEST(CastShadow, FourPositionsAsAPadCallsIt) {
    // Left = Top = 0, Right and Bottom the surface's size: the rectangles'
    // last column and row lie one past the surface, so a shadow at the
    // bottom or right is Width deep and one at the top or left Width + 1.
    struct Case {
        TShadowPos position;
        DeltaGrid expected;
    };
    const int s = -20;
    const Case cases[] = {
        {shTopLeft, {{s, s, s, s, s, s}, {s, s, s, s, s, s}, {s, s, 0, 0, 0, 0}, {s, s, 0, 0, 0, 0}, {s, s, 0, 0, 0, 0}}},
        {shTopRight, {{0, s, s, s, s, s}, {0, s, s, s, s, s}, {0, 0, 0, 0, 0, s}, {0, 0, 0, 0, 0, s}, {0, 0, 0, 0, 0, s}}},
        {shBottomLeft, {{0, 0, 0, 0, 0, 0}, {s, s, 0, 0, 0, 0}, {s, s, 0, 0, 0, 0}, {s, s, 0, 0, 0, 0}, {s, s, s, s, s, s}}},
        {shBottomRight, {{0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, s}, {0, 0, 0, 0, 0, s}, {0, 0, 0, 0, 0, s}, {0, s, s, s, s, s}}},
    };
    for (const Case& c : cases) {
        const TBitmap before = Grey(6, 5);
        TBitmap surface = before;
        CastShadow(surface.Canvas(), 0, 0, 6, 5, 1, s, c.position, quHi);
        EXPECT_TRUE(SameGrid(c.expected, Deltas(before, surface))) << kShadowPosNames[c.position];
    }
}

TEST(CastShadow, WidthZero) {
    {
        // Bottom right: both rectangles lie wholly past the surface.
        const TBitmap before = Grey(5, 4);
        TBitmap surface = before;
        CastShadow(surface.Canvas(), 0, 0, 5, 4, 0, -20, shBottomRight, quHi);
        EXPECT_TRUE(SameGrid(Zeros(5, 4), Deltas(before, surface)));
    }
    {
        // Top left: row 0 from x = 1, and all of column 0.
        const TBitmap before = Grey(5, 4);
        TBitmap surface = before;
        CastShadow(surface.Canvas(), 0, 0, 5, 4, 0, -20, shTopLeft, quHi);
        const DeltaGrid expected = {{-20, -20, -20, -20, -20}, {-20, 0, 0, 0, 0}, {-20, 0, 0, 0, 0}, {-20, 0, 0, 0, 0}};
        EXPECT_TRUE(SameGrid(expected, Deltas(before, surface)));
    }
}

TEST(CastShadow, LowQualityAndTheStripsShareNoPixel) {
    const TBitmap before = Grey(6, 5);
    TBitmap surface = before;
    CastShadow(surface.Canvas(), 0, 0, 6, 5, 1, -20, shBottomRight, quLow);
    const DeltaGrid expected = {
        {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, -20}, {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, -20}, {0, 0, -20, 0, -20, 0}};
    EXPECT_TRUE(SameGrid(expected, Deltas(before, surface)));
}

// ---------------------------------------------------------------- TileBitmap

// A tile whose every pixel differs, so a copy from the wrong place shows.
TBitmap DistinctTile(int width, int height) {
    TBitmap tile(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) tile.SetPixel(x, y, RGB(x, y, 200));
    return tile;
}

// What the surface should show after tiling: the tile grid anchored at
// (ax, ay), inside the area only.
TBitmap Tiled(TBitmap surface, int ax, int ay, int aw, int ah, const TBitmap& tile) {
    for (int y = 0; y < surface.Height(); ++y)
        for (int x = 0; x < surface.Width(); ++x)
            if (x >= ax && x < ax + aw && y >= ay && y < ay + ah)
                surface.SetPixel(x, y, tile.Pixel((x - ax) % tile.Width(), (y - ay) % tile.Height()));
    return surface;
}

TEST(TileBitmap, OneRowOfThreeCopiesClippedToTheArea) {
    // 300 x 100 of a 128 x 128 tile at (5, 3): copies at x = 5, 133 and 261,
    // the third cut to 44 pixels, all cut to 100 rows; nothing outside the area.
    const TBitmap tile = DistinctTile(128, 128);
    const TBitmap before = Pattern(320, 110);
    TBitmap surface = before;
    TileBitmap(surface.Canvas(), 5, 3, 300, 100, tile);
    EXPECT_TRUE(SamePixels(Tiled(before, 5, 3, 300, 100, tile), surface));
    EXPECT_EQ(surface.Pixel(261, 3), tile.Pixel(0, 0));
    EXPECT_EQ(surface.Pixel(304, 102), tile.Pixel(43, 99));
    EXPECT_EQ(surface.Pixel(305, 50), before.Pixel(305, 50));
    EXPECT_EQ(surface.Pixel(50, 103), before.Pixel(50, 103));
}

TEST(TileBitmap, EachAreaHasItsOwnGridAndTheSurfaceClipsIt) {
    // Two areas side by side, the second starting mid-tile of the first's
    // grid, and a third sticking out past the surface's edges.
    const TBitmap tile = DistinctTile(7, 5);
    const TBitmap before = Pattern(40, 30);
    TBitmap surface = before;
    TileBitmap(surface.Canvas(), 0, 0, 10, 12, tile);
    TileBitmap(surface.Canvas(), 10, 0, 10, 12, tile);
    TileBitmap(surface.Canvas(), 33, 26, 50, 50, tile);
    TileBitmap(surface.Canvas(), -4, 15, 9, 8, tile);
    TBitmap expected = Tiled(before, 0, 0, 10, 12, tile);
    expected = Tiled(expected, 10, 0, 10, 12, tile);
    expected = Tiled(expected, 33, 26, 50, 50, tile);
    expected = Tiled(expected, -4, 15, 9, 8, tile);
    EXPECT_TRUE(SamePixels(expected, surface));
}

TEST(TileBitmap, ExactMultipleAndACanvasOrigin) {
    // The grid follows the canvas's own (0, 0); the copies past an exact
    // multiple fall outside and the clip keeps the rest of the surface.
    const TBitmap tile = DistinctTile(4, 3);
    const TBitmap before = Pattern(20, 12);
    TBitmap surface = before;
    TCanvas canvas(surface, TPoint{3, 2}, Bounds(3, 2, 8, 6));
    TileBitmap(canvas, 0, 0, 8, 6, tile);
    EXPECT_TRUE(SamePixels(Tiled(before, 3, 2, 8, 6, tile), surface));
}

TEST(TileBitmap, EmptyTileOrEmptyAreaDrawsNothing) {
    struct Case {
        const char* what;
        int tileWidth, tileHeight, areaWidth, areaHeight;
    };
    const Case cases[] = {
        {"empty tile", 0, 0, 10, 10},
        {"tile without rows", 5, 0, 10, 10},
        {"area narrower than nothing (shadow wider than the pad)", 4, 4, -3, 10},
        {"area without rows", 4, 4, 10, 0},
    };
    for (const Case& c : cases) {
        const TBitmap before = Pattern(12, 12);
        TBitmap surface = before;
        TileBitmap(surface.Canvas(), 1, 1, c.areaWidth, c.areaHeight, DistinctTile(c.tileWidth, c.tileHeight));
        EXPECT_TRUE(SamePixels(before, surface)) << c.what;
    }
}

// ---------------------------------------------------------------- DrawTransparent

constexpr TColor kKey = RGB(0, 255, 0);

// A 4 x 3 bitmap: key colour on its left column and in one inner pixel.
TBitmap KeyedBitmap() {
    TBitmap b(4, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) b.SetPixel(x, y, x == 0 || (x == 2 && y == 1) ? kKey : RGB(10 * x, 20 * y, 99));
    return b;
}

// What DrawTransparent should leave: the surface with the bitmap's non-key
// pixels at (dx, dy), but only inside (0, 0)-(w + 2 dx, h + 2 dy).
TBitmap Keyed(TBitmap surface, int dx, int dy, const TBitmap& bitmap, TColor key, int delta) {
    const int aw = bitmap.Width() + 2 * dx, ah = bitmap.Height() + 2 * dy;
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            const TColor c = bitmap.Pixel(x, y);
            const int tx = dx + x, ty = dy + y;
            if (c == key || tx < 0 || ty < 0 || tx >= aw || ty >= ah) continue;
            surface.SetPixel(tx, ty, delta != 0 ? ShiftColor(c, delta) : c);
        }
    }
    return surface;
}

TEST(DrawTransparent, KeyPixelsShowTheSurfaceAndOffsetsWork) {
    struct Case {
        int dx, dy, delta;
    };
    const Case cases[] = {{0, 0, 0}, {2, 1, 0}, {3, 2, 25}, {1, 0, -200}};
    const TBitmap bitmap = KeyedBitmap();
    for (const Case& c : cases) {
        const TBitmap before = Pattern(12, 9);
        TBitmap surface = before;
        DrawTransparent(surface.Canvas(), c.dx, c.dy, bitmap, kKey, c.delta);
        EXPECT_TRUE(SamePixels(Keyed(before, c.dx, c.dy, bitmap, kKey, c.delta), surface))
            << c.dx << ", " << c.dy << " delta " << c.delta;
    }
    // Spot checks of the figure itself.
    TBitmap surface = Pattern(12, 9);
    DrawTransparent(surface.Canvas(), 2, 1, bitmap, kKey, 0);
    EXPECT_EQ(surface.Pixel(2, 1), PatternAt(2, 1));  // key column
    EXPECT_EQ(surface.Pixel(4, 2), PatternAt(4, 2));  // inner key pixel
    EXPECT_EQ(surface.Pixel(3, 1), RGB(10, 0, 99));
    EXPECT_EQ(surface.Pixel(5, 3), RGB(30, 40, 99));
}

TEST(DrawTransparent, NegativeOffsetsCutTheBitmapOnBothSides) {
    // DX = DY = -1 on a 4 x 3 bitmap: the area is 2 x 1, so bitmap column 0
    // and row 0 fall left of and above it, and columns 3 and rows 2 past it.
    const TBitmap bitmap = KeyedBitmap();
    const TBitmap before = Pattern(8, 6);
    TBitmap surface = before;
    DrawTransparent(surface.Canvas(), -1, -1, bitmap, kKey, 0);
    TBitmap expected = before;
    expected.SetPixel(0, 0, bitmap.Pixel(1, 1));
    // bitmap (2, 1) is the key colour: the surface stays at (1, 0)
    EXPECT_TRUE(SamePixels(expected, surface));
    // An area with no rows (3 + 2 x -2 = -1) draws nothing at all.
    TBitmap flat = Pattern(8, 6);
    DrawTransparent(flat.Canvas(), 2, -2, bitmap, kKey, 0);
    EXPECT_TRUE(SamePixels(before, flat));
}

TEST(DrawTransparent, NothingChangesForAllKeyAnEmptyBitmapOrOutsideTheClip) {
    TBitmap allKey(5, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x) allKey.SetPixel(x, y, kKey);
    const TBitmap before = Pattern(9, 9);
    {
        TBitmap surface = before;
        DrawTransparent(surface.Canvas(), 2, 2, allKey, kKey, 0);
        EXPECT_TRUE(SamePixels(before, surface));
    }
    {
        TBitmap surface = before;
        DrawTransparent(surface.Canvas(), 2, 2, TBitmap(), kKey, 30);
        EXPECT_TRUE(SamePixels(before, surface));
    }
    {
        // A clip that leaves out the area: the copy out and back writes nothing.
        TBitmap surface = before;
        TCanvas canvas(surface, TPoint{0, 0}, Rect(7, 7, 9, 9));
        DrawTransparent(canvas, 1, 1, KeyedBitmap(), kKey, 0);
        EXPECT_TRUE(SamePixels(before, surface));
    }
}

TEST(DrawTransparent, SystemColourKeyMatchesNothing) {
    // clBtnFace resolves to (192, 192, 192), but the comparison is on the
    // colour value itself, so a grey bitmap is drawn whole.
    TBitmap bitmap(2, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) bitmap.SetPixel(x, y, RGB(192, 192, 192));
    TBitmap surface = Pattern(4, 4);
    DrawTransparent(surface.Canvas(), 1, 1, bitmap, clBtnFace, 0);
    for (int y = 1; y < 3; ++y)
        for (int x = 1; x < 3; ++x) EXPECT_EQ(surface.Pixel(x, y), RGB(192, 192, 192));
}

TEST(DrawTransparent, ExtremeOffsetsAreHarmless) {
    const TBitmap before = Pattern(6, 6);
    TBitmap surface = before;
    DrawTransparent(surface.Canvas(), INT_MAX, INT_MAX, KeyedBitmap(), kKey, 0);
    DrawTransparent(surface.Canvas(), INT_MIN, INT_MIN, KeyedBitmap(), kKey, 0);
    EXPECT_TRUE(SamePixels(before, surface));
}

}  // namespace
}  // namespace tresilva
