// The transparent bitmap: centring, key colour, clipping to the control.
#include "controls/freelib/BmpTransparent.h"

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "controls/freelib/Shading.h"
#include "platform/ui/Properties.h"
#include "tests/controls/freelib/Hosts.h"
#include "tests/controls/freelib/Surfaces.h"

namespace tresilva {
namespace {

using test::FixtureHost;
using test::Pattern;
using test::SamePixels;

constexpr TColor kCorner = RGB(255, 0, 255);

// A bitmap whose top-left colour recurs on its border and at its centre; the
// other pixels all differ.
TPicture Glyph(int width, int height) {
    TBitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool key = x == 0 || y == 0 || x == width - 1 || (x == width / 2 && y == height / 2);
            b.SetPixel(x, y, key ? kCorner : RGB(x * 5, y * 5, 40));
        }
    TPicture p;
    p.SetBitmap(b);
    return p;
}

// The host after the glyph is keyed onto it at (left + dx, top + dy), cut to
// the control's w x h.
TBitmap Expected(const FixtureHost& host, const TPicture& glyph, int left, int top, int w, int h, int dx, int dy,
                 TColor key) {
    TBitmap e = host.Background();
    const TBitmap& b = glyph.Bitmap();
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) {
            const int cx = dx + x, cy = dy + y;
            if (b.Pixel(x, y) == key || cx < 0 || cy < 0 || cx >= w || cy >= h) continue;
            e.SetPixel(left + cx, top + cy, b.Pixel(x, y));
        }
    return e;
}

TEST(BmpTransparent, KeysAndButtonsOfTheMainWindow) {
    struct Case {
        const char* what;
        int w, h, bw, bh, dx, dy;
    };
    const Case cases[] = {
        {"36 x 41 key, 28 x 42 bitmap: the last row is cut", 36, 41, 28, 42, 4, 0},
        {"32 x 32 button, 26 x 30 bitmap", 32, 32, 26, 30, 3, 1},
        {"33 x 35 erase key, 30 x 30 bitmap", 33, 35, 30, 30, 1, 2},
        {"bitmap larger than the control: cut on both sides", 10, 8, 16, 14, -3, -3},
    };
    for (const Case& c : cases) {
        FixtureHost host(Pattern(60, 60));
        auto& key = host.Add<TBmpTransparent>(5, 6, c.w, c.h);
        const TPicture glyph = Glyph(c.bw, c.bh);
        key.SetAuto(true);
        key.SetPicture(glyph);
        EXPECT_TRUE(SamePixels(Expected(host, glyph, 5, 6, c.w, c.h, c.dx, c.dy, kCorner), host.Surface())) << c.what;
    }
}

TEST(BmpTransparent, AutoTakesTheTopLeftColourOtherwiseTransparentColorIsTheKey) {
    const TPicture glyph = Glyph(10, 10);
    struct Case {
        bool autoKey;
        TColor transparent;
        TColor effectiveKey;
    };
    const Case cases[] = {
        {true, RGB(5, 5, 40), kCorner},         // TransparentColor has no effect
        {false, RGB(5, 5, 40), RGB(5, 5, 40)},  // one inner pixel let through, the corner colour drawn
        {false, clOlive, clOlive},              // the default key: nothing in the glyph matches
        {false, clBtnFace, clBtnFace},          // a system colour matches no pixel
    };
    for (const Case& c : cases) {
        FixtureHost host(Pattern(20, 20));
        auto& key = host.Add<TBmpTransparent>(2, 2, 12, 12);
        key.SetPicture(glyph);
        key.SetTransparentColor(c.transparent);
        key.SetAuto(c.autoKey);
        EXPECT_TRUE(SamePixels(Expected(host, glyph, 2, 2, 12, 12, 1, 1, c.effectiveKey), host.Surface()))
            << "auto " << c.autoKey << " key 0x" << std::hex << c.transparent;
    }
}

TEST(BmpTransparent, AllKeyBitmapLeavesTheSurfaceButStillTakesClicks) {
    TBitmap b(8, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) b.SetPixel(x, y, clOlive);
    TPicture p;
    p.SetBitmap(b);
    FixtureHost host(Pattern(20, 20));
    auto& key = host.Add<TBmpTransparent>(4, 4, 10, 10);
    key.SetPicture(p);
    host.PaintAll();
    EXPECT_TRUE(SamePixels(host.Background(), host.Surface()));
    EXPECT_EQ(host.ControlAtPos(TPoint{5, 5}), &key);
    EXPECT_EQ(host.ControlAtPos(TPoint{13, 13}), &key);
}

TEST(BmpTransparent, EmptyPictureDrawsNothingAtRunTimeAndAnOutlineInADesigner) {
    FixtureHost host(Pattern(20, 20));
    auto& key = host.Add<TBmpTransparent>(2, 2, 10, 10);
    host.PaintAll();
    EXPECT_TRUE(SamePixels(host.Background(), host.Surface()));
    key.IncludeState(csDesigning);
    host.PaintAll();
    EXPECT_EQ(host.Surface().Pixel(2, 2), clBlack) << "the dashed outline starts at the corner";
    EXPECT_EQ(host.Surface().Pixel(6, 6), host.Background().Pixel(6, 6)) << "no fill";
}

// A key that counts its paints.
class CountingKey : public TBmpTransparent {
public:
    using TBmpTransparent::TBmpTransparent;
    int paints = 0;

protected:
    void Paint() override {
        ++paints;
        TBmpTransparent::Paint();
    }
};

TEST(BmpTransparent, SettersRepaintAtOnceEvenWithTheSameValue) {
    FixtureHost host(Pattern(30, 30));
    auto& key = host.Add<CountingKey>(2, 2, 20, 20);
    host.Update();
    const std::vector<std::function<void()>> writes = {[&] { key.SetPicture(key.Picture()); },
                                                       [&] { key.SetAuto(key.Auto()); },
                                                       [&] { key.SetTransparentColor(key.TransparentColor()); }};
    for (std::size_t i = 0; i < writes.size(); ++i) {
        const int before = key.paints;
        writes[i]();
        EXPECT_EQ(key.paints, before + 1) << "setter " << i;
    }
    EXPECT_TRUE(host.PendingBounds().IsEmpty());
}

TEST(BmpTransparent, ConstructionAndPublishedOrder) {
    TBmpTransparent key(nullptr);
    EXPECT_EQ(key.Width(), 105);
    EXPECT_EQ(key.Height(), 105);
    EXPECT_EQ(key.Picture().Width(), 0);
    EXPECT_FALSE(key.Auto());
    EXPECT_EQ(key.TransparentColor(), 0x008080);
    std::vector<std::string> names;
    const auto& published = TBmpTransparent::StaticClassInfo().Published();
    for (std::size_t i = TGraphicControl::StaticClassInfo().Published().size(); i < published.size(); ++i)
        names.push_back(published[i].Name);
    const std::vector<std::string> expected = {
        "Picture",   "Auto",    "TransparentColor", "Align",      "DragCursor", "DragMode",
        "Enabled",   "ParentShowHint", "PopupMenu", "ShowHint",   "Visible",    "OnClick",
        "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnMouseDown", "OnMouseMove", "OnMouseUp"};
    EXPECT_EQ(names, expected);
    SetOrdProp(key, "TransparentColor", clRed);
    SetOrdProp(key, "Auto", 1);
    EXPECT_EQ(key.TransparentColor(), clRed);
    EXPECT_TRUE(key.Auto());
}

}  // namespace
}  // namespace tresilva
