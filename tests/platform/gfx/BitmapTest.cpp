#include <gtest/gtest.h>

#include <climits>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"

namespace tresilva {
namespace {

TEST(Bitmap, NewPixelsAreWhiteAndNegativeSizesCountAsZero) {
    TBitmap empty;
    EXPECT_TRUE(empty.Empty());
    TBitmap b(3, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(b.Pixel(x, y), clWhite);
    b.SetPixel(1, 1, clRed);
    b.SetSize(4, 5);
    EXPECT_EQ(b.Width(), 4);
    EXPECT_EQ(b.Height(), 5);
    EXPECT_EQ(b.Pixel(1, 1), clWhite);
    b.SetSize(-3, 7);
    EXPECT_EQ(b.Width(), 0);
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(b.Pixel(0, 0), CLR_INVALID);
}

TEST(Bitmap, ReadsOutsideGiveInvalidAndWritesOutsideAreIgnored) {
    TBitmap b(4, 3);
    b.SetPixel(3, 2, clBlue);
    const int points[][2] = {{-1, 0}, {0, -1}, {4, 0}, {0, 3}, {4, 3}, {INT_MIN, 0}, {0, INT_MAX}, {INT_MAX, INT_MAX}};
    for (const auto& p : points) {
        EXPECT_EQ(b.Pixel(p[0], p[1]), CLR_INVALID) << p[0] << "," << p[1];
        b.SetPixel(p[0], p[1], clBlack);
    }
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(b.Pixel(x, y), x == 3 && y == 2 ? clBlue : clWhite);
}

TEST(Bitmap, WritesResolveSystemColoursToPlainPixels) {
    TBitmap b(3, 1);
    b.SetPixel(0, 0, clBtnFace);
    b.SetPixel(1, 0, CLR_INVALID);
    b.SetPixel(2, 0, static_cast<TColor>(0x02123456));  // a stray top byte is not kept
    EXPECT_EQ(b.Pixel(0, 0), RGB(192, 192, 192));
    EXPECT_EQ(b.Pixel(1, 0), clBlack);
    EXPECT_EQ(b.Pixel(2, 0), 0x123456);
}

TEST(Bitmap, CopiesAreIndependent) {
    TBitmap a(2, 2);
    a.SetPixel(0, 0, clRed);
    TBitmap b(a);
    b.SetPixel(0, 0, clLime);
    TBitmap c;
    c = a;
    a.SetPixel(0, 0, clBlue);
    EXPECT_EQ(b.Pixel(0, 0), clLime);
    EXPECT_EQ(c.Pixel(0, 0), clRed);
    EXPECT_EQ(c.Width(), 2);
}

TEST(Bitmap, OwnCanvasCoversTheBitmapAfterResizing) {
    TBitmap b(2, 2);
    TCanvas& canvas = b.Canvas();
    EXPECT_EQ(canvas.Origin(), (TPoint{0, 0}));
    EXPECT_EQ(canvas.ClipRect(), Rect(0, 0, 2, 2));
    b.SetSize(5, 4);
    EXPECT_EQ(&b.Canvas(), &canvas);
    EXPECT_EQ(canvas.ClipRect(), Rect(0, 0, 5, 4));
    canvas.SetPixel(4, 3, clRed);
    EXPECT_EQ(b.Pixel(4, 3), clRed);
    TBitmap small(1, 1);
    b = small;
    EXPECT_EQ(canvas.ClipRect(), Rect(0, 0, 1, 1));
}

}  // namespace
}  // namespace tresilva
