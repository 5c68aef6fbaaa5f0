// The tiled background: its grid, its cache and its direct paint.
#include "controls/freelib/BmpMosaic.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "controls/freelib/Pad3D.h"
#include "platform/ui/Properties.h"
#include "tests/controls/freelib/Hosts.h"
#include "tests/controls/freelib/Surfaces.h"

namespace tresilva {
namespace {

using test::FixtureHost;
using test::Grey;
using test::SamePixels;

// A 128 x 128 tile whose every pixel differs.
TPicture DistinctTile(int width = 128, int height = 128) {
    TBitmap tile(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) tile.SetPixel(x, y, RGB(x, y, 77));
    TPicture picture;
    picture.SetBitmap(tile);
    return picture;
}

TEST(BmpMosaic, FiveColumnsInThreeRowsOn563By283AnchoredAtTheControl) {
    FixtureHost host(Grey(580, 300));
    auto& mosaic = host.Add<TBmpMosaic>(7, 3, 563, 283);
    const TPicture tile = DistinctTile();
    mosaic.SetPicture(tile);
    // Copies at x = 0, 128, 256, 384, 512 (the last 51 wide) and y = 0, 128,
    // 256 (the last 27 high), from the control's own corner.
    TBitmap expected = host.Background();
    for (int y = 0; y < 283; ++y)
        for (int x = 0; x < 563; ++x) expected.SetPixel(7 + x, 3 + y, tile.Bitmap().Pixel(x % 128, y % 128));
    EXPECT_TRUE(SamePixels(expected, host.Surface()));  // drawn by the write itself
    EXPECT_EQ(host.Surface().Pixel(7 + 512, 3 + 256), tile.Bitmap().Pixel(0, 0));
    EXPECT_EQ(host.Surface().Pixel(7 + 562, 3 + 282), tile.Bitmap().Pixel(50, 26));
    host.PaintAll();
    EXPECT_TRUE(SamePixels(expected, host.Surface()));  // and by the host's paint
}

TEST(BmpMosaic, EmptyMosaicIsWhite) {
    FixtureHost host(Grey(30, 30));
    host.Add<TBmpMosaic>(5, 5, 10, 10);
    host.PaintAll();
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x) {
            const bool inside = x >= 5 && x < 15 && y >= 5 && y < 15;
            ASSERT_EQ(host.Surface().Pixel(x, y), inside ? clWhite : RGB(128, 128, 128)) << x << ", " << y;
        }
}

TEST(BmpMosaic, ASizeChangeRebuildsAtTheNextPaint) {
    FixtureHost host(Grey(200, 200));
    auto& mosaic = host.Add<TBmpMosaic>(0, 0, 50, 40);
    mosaic.SetPicture(DistinctTile(16, 16));
    EXPECT_EQ(mosaic.Mosaic().Height(), 40);
    mosaic.SetHeight(70);
    EXPECT_EQ(mosaic.Mosaic().Height(), 40);  // only marked so far
    host.Update();
    EXPECT_EQ(mosaic.Mosaic().Width(), 50);
    EXPECT_EQ(mosaic.Mosaic().Height(), 70);
    EXPECT_EQ(host.Surface().Pixel(3, 65), RGB(3, 65 % 16, 77));
}

TEST(BmpMosaic, WritingThePictureDrawsOverControlsAboveUntilTheirNextPaint) {
    FixtureHost host(Grey(60, 60));
    auto& mosaic = host.Add<TBmpMosaic>(0, 0, 60, 60);
    auto& pad = host.Add<TPad3D>(10, 10, 30, 30);
    host.PaintAll();
    const TColor shaded = host.Surface().Pixel(10, 10);
    EXPECT_EQ(shaded, RGB(254, 254, 254)) << "white lightened twice by the pad clamps at 254";
    const TPicture tile = DistinctTile(60, 60);
    mosaic.SetPicture(tile);
    EXPECT_EQ(host.Surface().Pixel(10, 10), tile.Bitmap().Pixel(10, 10)) << "the pad is not redrawn";
    host.RepaintRect(pad.BoundsRect());
    EXPECT_NE(host.Surface().Pixel(10, 10), tile.Bitmap().Pixel(10, 10)) << "the pad's next paint shades it again";
}

TEST(BmpMosaic, PictureWithoutParentOrWhileHiddenDrawsNothingAndFailsNothing) {
    TBmpMosaic orphan(nullptr);
    EXPECT_NO_THROW(orphan.SetPicture(DistinctTile(8, 8)));
    EXPECT_EQ(orphan.Mosaic().Width(), 105);

    FixtureHost host(Grey(20, 20));
    auto& mosaic = host.Add<TBmpMosaic>(0, 0, 20, 20);
    mosaic.Hide();
    host.Update();
    mosaic.SetPicture(DistinctTile(8, 8));
    EXPECT_TRUE(SamePixels(host.Background(), host.Surface()));
}

TEST(BmpMosaic, ConstructionAndPublishedOrder) {
    TBmpMosaic mosaic(nullptr);
    EXPECT_EQ(mosaic.Width(), 105);
    EXPECT_EQ(mosaic.Height(), 105);
    EXPECT_EQ(mosaic.Picture().Width(), 0);
    EXPECT_EQ(mosaic.Mosaic().Width(), 0);
    std::vector<std::string> names;
    const auto& published = TBmpMosaic::StaticClassInfo().Published();
    for (std::size_t i = TGraphicControl::StaticClassInfo().Published().size(); i < published.size(); ++i)
        names.push_back(published[i].Name);
    const std::vector<std::string> expected = {
        "Align",   "Picture", "DragCursor", "DragMode",   "Enabled",   "ParentShowHint", "PopupMenu", "ShowHint",
        "Visible", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag",     "OnMouseDown", "OnMouseMove",
        "OnMouseUp"};
    EXPECT_EQ(names, expected);
}

}  // namespace
}  // namespace tresilva
