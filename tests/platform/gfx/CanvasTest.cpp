#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"

namespace tresilva {
namespace {

// A surface whose every pixel tells where it is, so a copy shows where it read.
TBitmap Numbered(int width, int height) {
    TBitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) b.SetPixel(x, y, RGB(x, y, 100));
    return b;
}

TBitmap Filled(int width, int height, TColor color) {
    TBitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) b.SetPixel(x, y, color);
    return b;
}

// Checks every pixel of a surface against the expected colour for its place.
void ExpectSurface(const TBitmap& b, const std::function<TColor(int, int)>& expected, const std::string& what = "") {
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) ASSERT_EQ(b.Pixel(x, y), expected(x, y)) << what << " at " << x << "," << y;
}

TEST(Canvas, WritesAreClippedAndReadsAreNot) {
    TBitmap surface = Numbered(10, 10);
    // Origin (2, 3), writes only in the surface rectangle (3, 3)-(6, 5).
    TCanvas canvas(surface, TPoint{2, 3}, Rect(3, 3, 6, 5));
    EXPECT_EQ(canvas.Pixel(0, 0), RGB(2, 3, 100));
    EXPECT_EQ(canvas.Pixel(-2, -3), RGB(0, 0, 100));  // outside the clip: still read
    EXPECT_EQ(canvas.Pixel(8, 0), CLR_INVALID);      // outside the surface
    for (int y = -4; y < 12; ++y)
        for (int x = -4; x < 12; ++x) canvas.SetPixel(x, y, clBlack);
    ExpectSurface(surface, [](int x, int y) { return Rect(3, 3, 6, 5).Contains(x, y) ? clBlack : RGB(x, y, 100); });
}

TEST(Canvas, CopyRectCopiesEqualRectanglesThroughOriginsAndClip) {
    TBitmap source = Numbered(8, 8);
    TBitmap dest = Filled(10, 10, clWhite);
    TCanvas from(source, TPoint{1, 1}, Rect(0, 0, 8, 8));
    TCanvas to(dest, TPoint{2, 2}, Rect(0, 0, 6, 10));
    // Canvas (0,0)-(5,3) of `to` is surface (2,2)-(7,5), clipped at x = 6.
    to.CopyRect(Rect(0, 0, 5, 3), from, Rect(1, 2, 6, 5));
    ExpectSurface(dest, [](int x, int y) {
        if (x >= 2 && x < 6 && y >= 2 && y < 5) return RGB(x - 2 + 2, y - 2 + 3, 100);
        return clWhite;
    });
}

TEST(Canvas, CopyRectLeavesTheDestinationWhereTheSourceIsOutsideItsSurface) {
    TBitmap source = Numbered(4, 4);
    TBitmap dest = Filled(6, 6, clWhite);
    // The source rectangle starts one pixel left of and above the surface and ends past it.
    dest.Canvas().CopyRect(Rect(0, 0, 6, 6), source.Canvas(), Rect(-1, -1, 5, 5));
    ExpectSurface(dest, [](int x, int y) {
        if (x >= 1 && x < 5 && y >= 1 && y < 5) return RGB(x - 1, y - 1, 100);
        return clWhite;
    });
}

TEST(Canvas, CopyRectWithinOneSurfaceReadsThePixelsAsTheyWere) {
    struct Row {
        TRect dest;
        TRect src;
    };
    // Overlapping moves in each direction.
    for (const Row row : {Row{Rect(1, 0, 6, 6), Rect(0, 0, 5, 6)}, Row{Rect(0, 0, 5, 6), Rect(1, 0, 6, 6)},
                          Row{Rect(0, 2, 6, 6), Rect(0, 0, 6, 4)}, Row{Rect(0, 0, 6, 4), Rect(0, 2, 6, 6)}}) {
        TBitmap surface = Numbered(6, 6);
        surface.Canvas().CopyRect(row.dest, surface.Canvas(), row.src);
        const int dx = row.src.Left - row.dest.Left, dy = row.src.Top - row.dest.Top;
        ExpectSurface(surface, [&](int x, int y) {
            return row.dest.Contains(x, y) ? RGB(x + dx, y + dy, 100) : RGB(x, y, 100);
        });
    }
}

TEST(Canvas, CopyRectStretchesNearestNeighbour) {
    TBitmap source = Numbered(2, 2);
    TBitmap up = Filled(4, 4, clWhite);
    up.Canvas().CopyRect(Rect(0, 0, 4, 4), source.Canvas(), Rect(0, 0, 2, 2));
    ExpectSurface(up, [](int x, int y) { return RGB(x / 2, y / 2, 100); }, "doubled");

    TBitmap big = Numbered(6, 6);
    TBitmap down = Filled(3, 3, clWhite);
    down.Canvas().CopyRect(Rect(0, 0, 3, 3), big.Canvas(), Rect(0, 0, 6, 6));
    ExpectSurface(down, [](int x, int y) { return RGB(2 * x, 2 * y, 100); }, "halved");

    TBitmap wide = Filled(6, 1, clWhite);
    wide.Canvas().CopyRect(Rect(0, 0, 6, 1), big.Canvas(), Rect(0, 0, 2, 1));
    ExpectSurface(wide, [](int x, int) { return RGB(x / 3, 0, 100); }, "tripled in x only");
}

TEST(Canvas, DrawIsOpaqueAndClipped) {
    const TBitmap picture = Numbered(3, 3);
    struct Row {
        int x, y;
    };
    for (const Row at : {Row{0, 0}, Row{-1, -2}, Row{3, 2}, Row{5, 5}, Row{-3, 0}}) {
        TBitmap surface = Filled(5, 5, clRed);
        TCanvas canvas(surface, TPoint{1, 0}, Rect(0, 0, 4, 5));
        canvas.Draw(at.x, at.y, picture);
        ExpectSurface(surface, [&](int x, int y) {
            const int px = x - 1 - at.x, py = y - at.y;
            if (x < 4 && px >= 0 && px < 3 && py >= 0 && py < 3) return RGB(px, py, 100);
            return clRed;
        }, "at " + std::to_string(at.x) + "," + std::to_string(at.y));
    }
}

TEST(Canvas, DrawOfTheCanvasOwnSurfaceIsACopy) {
    TBitmap surface = Numbered(4, 4);
    surface.Canvas().Draw(1, 1, surface);
    ExpectSurface(surface, [](int x, int y) { return x >= 1 && y >= 1 ? RGB(x - 1, y - 1, 100) : RGB(x, y, 100); });
}

TEST(Canvas, StretchDrawScalesTheWholeBitmapIntoTheRectangle) {
    const TBitmap picture = Numbered(2, 3);
    TBitmap surface = Filled(8, 8, clRed);
    surface.Canvas().StretchDraw(Rect(2, 1, 6, 7), picture);
    ExpectSurface(surface, [](int x, int y) {
        if (x >= 2 && x < 6 && y >= 1 && y < 7) return RGB((x - 2) / 2, (y - 1) / 2, 100);
        return clRed;
    });
    // Empty or inverted rectangles draw nothing.
    TBitmap untouched = Filled(4, 4, clRed);
    untouched.Canvas().StretchDraw(Rect(3, 3, 1, 1), picture);
    untouched.Canvas().StretchDraw(Rect(0, 0, 0, 4), picture);
    ExpectSurface(untouched, [](int, int) { return clRed; });
}

TEST(Canvas, FillRectUsesTheBrushWithinTheClip) {
    TBitmap surface = Filled(6, 6, clRed);
    TCanvas canvas(surface, TPoint{1, 1}, Rect(0, 0, 4, 6));
    canvas.Brush().Color = clBtnFace;
    canvas.FillRect(Rect(-5, 0, 20, 2));
    ExpectSurface(surface, [](int x, int y) { return x < 4 && y >= 1 && y < 3 ? RGB(192, 192, 192) : clRed; });
    canvas.Brush().Style = bsClear;
    canvas.Brush().Color = clBlue;
    canvas.FillRect(Rect(0, 0, 6, 6));
    EXPECT_EQ(surface.Pixel(2, 4), clRed);
}

TEST(Canvas, RectangleDefaultsToABlackOutlineFilledWhite) {
    TBitmap surface = Filled(7, 5, clRed);
    TCanvas& canvas = surface.Canvas();
    EXPECT_EQ(canvas.Pen().Color, clBlack);
    EXPECT_EQ(canvas.Pen().Width, 1);
    EXPECT_EQ(canvas.Brush().Color, clWhite);
    canvas.Rectangle(0, 0, 7, 5);
    ExpectSurface(surface, [](int x, int y) { return x == 0 || y == 0 || x == 6 || y == 4 ? clBlack : clWhite; });
}

TEST(Canvas, RectangleWithAClearBrushKeepsItsInside) {
    TBitmap surface = Filled(8, 6, clRed);
    TCanvas canvas(surface, TPoint{1, 1}, Rect(0, 0, 8, 6));
    canvas.Brush().Style = bsClear;
    canvas.Pen().Color = clNavy;
    canvas.Rectangle(0, 0, 5, 4);  // surface (1,1)-(5,4) inclusive
    ExpectSurface(surface, [](int x, int y) {
        const bool inside = x >= 1 && x <= 5 && y >= 1 && y <= 4;
        const bool edge = inside && (x == 1 || x == 5 || y == 1 || y == 4);
        return edge ? clNavy : clRed;
    });
}

TEST(Canvas, DashedOutlineAlternatesPenAndBrush) {
    TBitmap surface = Filled(40, 3, clRed);
    TCanvas& canvas = surface.Canvas();
    canvas.Pen().Style = psDash;
    canvas.Brush().Color = clYellow;
    canvas.Rectangle(0, 0, 40, 3);
    // The top edge starts with a dash of 18 pixels, then a gap of 6 in the brush colour.
    for (int x = 0; x < 39; ++x) EXPECT_EQ(surface.Pixel(x, 0), x % 24 < 18 ? clBlack : clYellow) << x;
    for (int x = 1; x < 39; ++x) EXPECT_EQ(surface.Pixel(x, 1), clYellow) << x;

    // With a clear brush the gaps show what was there.
    TBitmap clear = Filled(40, 3, clRed);
    clear.Canvas().Pen().Style = psDash;
    clear.Canvas().Brush().Style = bsClear;
    clear.Canvas().Rectangle(0, 0, 40, 3);
    EXPECT_EQ(clear.Pixel(0, 0), clBlack);
    EXPECT_EQ(clear.Pixel(20, 0), clRed);
    EXPECT_EQ(clear.Pixel(20, 1), clRed);
}

TEST(Canvas, WidePenOutlineLiesInsideTheRectangle) {
    TBitmap surface = Filled(8, 8, clRed);
    surface.Canvas().Pen().Width = 2;
    surface.Canvas().Rectangle(1, 1, 7, 7);
    ExpectSurface(surface, [](int x, int y) {
        if (x < 1 || y < 1 || x > 6 || y > 6) return clRed;
        return x < 3 || y < 3 || x > 4 || y > 4 ? clBlack : clWhite;
    });
}

TEST(Canvas, RectangleIsClipped) {
    TBitmap surface = Filled(6, 6, clRed);
    TCanvas canvas(surface, TPoint{0, 0}, Rect(2, 2, 4, 4));
    canvas.Rectangle(-10, -10, 20, 20);
    ExpectSurface(surface, [](int x, int y) { return Rect(2, 2, 4, 4).Contains(x, y) ? clWhite : clRed; });
}

}  // namespace
}  // namespace tresilva
