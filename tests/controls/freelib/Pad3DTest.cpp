// The 3D pad on a realised host with a fixture background.
#include "controls/freelib/Pad3D.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "controls/freelib/ShadingTypes.h"
#include "platform/gfx/Canvas.h"
#include "platform/ui/Properties.h"
#include "tests/controls/freelib/Hosts.h"
#include "tests/controls/freelib/KeypadPad.h"
#include "tests/controls/freelib/Surfaces.h"

namespace tresilva {
namespace {

using test::DeltaGrid;
using test::Deltas;
using test::FixtureHost;
using test::KeypadPad;
using test::KeypadPadDeltas;
using test::Placed;
using test::Grey;
using test::SameGrid;
using test::Zeros;

TEST(Pad3D, KeypadPadPixelByPixel) {
    FixtureHost host(Grey(140, 225));
    KeypadPad(host, 3, 5);
    host.PaintAll();
    const DeltaGrid expected = Placed(KeypadPadDeltas(), 140, 225, 3, 5);
    EXPECT_TRUE(SameGrid(expected, Deltas(host.Background(), host.Surface())));
    // The diagonals named by the figures: twice lighter, twice darker, and
    // lighter then darker.
    const DeltaGrid pad = KeypadPadDeltas();
    EXPECT_EQ(pad[0][0], 80);
    EXPECT_EQ(pad[1][1], 80);
    EXPECT_EQ(pad[210][123], -80);
    EXPECT_EQ(pad[209][122], -80);
    EXPECT_EQ(pad[0][123], 0);
    EXPECT_EQ(pad[210][0], 0);
}

TEST(Pad3D, LowQualityCheckerboardIsAnchoredAtThePadsCorner) {
    // At an odd Left, the pad's own (x + y) decides, not the host's.
    FixtureHost host(Grey(140, 225));
    KeypadPad(host, 3, 5, quLow);
    host.PaintAll();
    DeltaGrid pad = KeypadPadDeltas();
    for (std::size_t y = 0; y < pad.size(); ++y)
        for (std::size_t x = 0; x < pad[y].size(); ++x)
            if ((x + y) % 2 != 0) pad[y][x] = 0;
    EXPECT_TRUE(SameGrid(Placed(pad, 140, 225, 3, 5), Deltas(host.Background(), host.Surface())));
    // Repainting an odd part of it (as a key flash does) keeps the same board.
    const TBitmap whole = host.Surface();
    host.PaintArea(Rect(20, 31, 57, 222));
    EXPECT_TRUE(test::SamePixels(whole, host.Surface()));
}

TEST(Pad3D, ShadowWidthZeroPutsTheBorderOnAllFourEdges) {
    FixtureHost host(Grey(12, 10));
    auto& pad = host.Add<TPad3D>(1, 1, 10, 8);
    pad.SetShadowWidth(0);
    pad.SetBorderWidth(0);
    pad.SetBorderIntensity(10);
    pad.SetBorderQuality(quHi);
    pad.SetShadowQuality(quHi);
    host.PaintAll();
    const DeltaGrid inner = {
        {20, 10, 10, 10, 10, 10, 10, 10, 10, 0},
        {10, 0, 0, 0, 0, 0, 0, 0, 0, -10},
        {10, 0, 0, 0, 0, 0, 0, 0, 0, -10},
        {10, 0, 0, 0, 0, 0, 0, 0, 0, -10},
        {10, 0, 0, 0, 0, 0, 0, 0, 0, -10},
        {10, 0, 0, 0, 0, 0, 0, 0, 0, -10},
        {10, 0, 0, 0, 0, 0, 0, 0, 0, -10},
        {0, -10, -10, -10, -10, -10, -10, -10, -10, -20},
    };
    EXPECT_TRUE(SameGrid(Placed(inner, 12, 10, 1, 1), Deltas(host.Background(), host.Surface())));
}

TEST(Pad3D, ShadowPositionsPlaceFaceBorderAndShadow) {
    // A 7 x 6 pad, shadow 1 / 20, border 0 / 10: the face is 6 x 5 at the
    // corner away from the shadow; a border side on the pad's right or
    // bottom edge lies one past it and is skipped.
    struct Case {
        TShadowPos position;
        DeltaGrid expected;
    };
    const int s = -20;
    const Case cases[] = {
        {shBottomRight,
         {{20, 10, 10, 10, 10, 0, 0},
          {10, 0, 0, 0, 0, -10, s},
          {10, 0, 0, 0, 0, -10, s},
          {10, 0, 0, 0, 0, -10, s},
          {0, -10, -10, -10, -10, -20, s},
          {0, s, s, s, s, s, s}}},
        {shTopLeft,
         {{s, s, s, s, s, s, s},
          {s, s, s, s, s, s, s},
          {s, s, 20, 10, 10, 10, 10},
          {s, s, 10, 0, 0, 0, 0},
          {s, s, 10, 0, 0, 0, 0},
          {s, s, 10, 0, 0, 0, 0}}},
    };
    for (const Case& c : cases) {
        FixtureHost host(Grey(7, 6));
        auto& pad = host.Add<TPad3D>(0, 0, 7, 6);
        pad.SetShadowWidth(1);
        pad.SetShadowIntensity(20);
        pad.SetBorderWidth(0);
        pad.SetBorderIntensity(10);
        pad.SetBorderQuality(quHi);
        pad.SetShadowQuality(quHi);
        pad.SetShadowPosition(c.position);
        host.PaintAll();
        EXPECT_TRUE(SameGrid(c.expected, Deltas(host.Background(), host.Surface()))) << kShadowPosNames[c.position];
    }
}

TEST(Pad3D, NegativeIntensitiesSinkTheBorderAndLightenTheShadow) {
    FixtureHost host(Grey(4, 4));
    auto& pad = host.Add<TPad3D>(0, 0, 4, 4);
    pad.SetShadowWidth(1);
    pad.SetShadowIntensity(-20);
    pad.SetBorderWidth(0);
    pad.SetBorderIntensity(-10);
    pad.SetBorderQuality(quHi);
    pad.SetShadowQuality(quHi);
    host.PaintAll();
    const DeltaGrid expected = {{-20, -10, 0, 0}, {-10, 0, 10, 20}, {0, 10, 20, 20}, {0, 20, 20, 20}};
    EXPECT_TRUE(SameGrid(expected, Deltas(host.Background(), host.Surface())));
}

TEST(Pad3D, FacePictureIsTiledFromTheFaceOrigin) {
    TBitmap tile(3, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) tile.SetPixel(x, y, RGB(100 + 10 * x, 100 + 10 * y, 100));
    TPicture picture;
    picture.SetBitmap(tile);
    FixtureHost host(Grey(20, 20));
    auto& pad = host.Add<TPad3D>(2, 2, 12, 10);
    pad.SetShadowWidth(2);
    pad.SetShadowPosition(shTopLeft);  // face origin (3, 3)
    pad.SetBorderIntensity(0);
    pad.SetShadowIntensity(0);
    pad.SetPicture(picture);
    host.PaintAll();
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 12; ++x) {
            // The face is tiled over 10 x 8 from (3, 3): the copies past the pad are cut.
            const bool face = x >= 3 && y >= 3;
            const TColor expected = face ? tile.Pixel((x - 3) % 3, (y - 3) % 2) : RGB(128, 128, 128);
            EXPECT_EQ(host.Surface().Pixel(2 + x, 2 + y), expected) << x << ", " << y;
        }
    }
}

TEST(Pad3D, PictureBackgroundSizesThePadAtItsNextPaint) {
    struct Case {
        int pictureWidth, pictureHeight, width, height;
    };
    for (const Case& c : {Case{100, 60, 104, 64}, Case{0, 0, 4, 4}}) {
        FixtureHost host(Grey(150, 100));
        auto& pad = host.Add<TPad3D>(0, 0, 30, 30);
        TPicture picture;
        picture.SetBitmap(TBitmap(c.pictureWidth, c.pictureHeight));
        pad.SetPicture(picture);
        pad.SetShadowWidth(4);
        pad.SetBackground(bgPicture);  // repaints at once: the paint sizes the pad
        EXPECT_EQ(pad.Width(), c.width);
        EXPECT_EQ(pad.Height(), c.height);
        host.Update();  // the size change asked for a later repaint; nothing re-enters
        EXPECT_EQ(pad.Width(), c.width);
    }
}

TEST(Pad3D, ShadowWiderThanThePadDrawsNoFaceAndFailsNothing) {
    TBitmap tile(2, 2);
    TPicture picture;
    picture.SetBitmap(tile);  // white tile
    FixtureHost host(Grey(40, 40));
    auto& pad = host.Add<TPad3D>(5, 5, 20, 10);
    pad.SetPicture(picture);
    for (TShadowPos position : {shTopLeft, shTopRight, shBottomLeft, shBottomRight}) {
        pad.SetShadowPosition(position);
        EXPECT_NO_THROW(pad.SetShadowWidth(30));
        EXPECT_NO_THROW(host.PaintAll());
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x) ASSERT_NE(host.Surface().Pixel(x, y), clWhite) << "a face was tiled";
    }
}

// A pad that counts its paints.
class CountingPad : public TPad3D {
public:
    using TPad3D::TPad3D;
    int paints = 0;

protected:
    void Paint() override {
        ++paints;
        TPad3D::Paint();
    }
};

TEST(Pad3D, SettersRepaintAtOnceExceptAlignmentWhichOnlyInvalidatesOnAChange) {
    FixtureHost host(Grey(60, 40));
    auto& pad = host.Add<CountingPad>(5, 5, 40, 30);
    host.Update();
    const std::vector<std::pair<const char*, std::function<void()>>> writes = {
        {"Caption", [&] { pad.SetCaption(pad.Caption()); }},
        {"Picture", [&] { pad.SetPicture(pad.Picture()); }},
        {"ShadowIntensity", [&] { pad.SetShadowIntensity(pad.ShadowIntensity()); }},
        {"ShadowQuality", [&] { pad.SetShadowQuality(pad.ShadowQuality()); }},
        {"ShadowPosition", [&] { pad.SetShadowPosition(pad.ShadowPosition()); }},
        {"ShadowWidth", [&] { pad.SetShadowWidth(pad.ShadowWidth()); }},
        {"BorderQuality", [&] { pad.SetBorderQuality(pad.BorderQuality()); }},
        {"BorderWidth", [&] { pad.SetBorderWidth(pad.BorderWidth()); }},
        {"BorderIntensity", [&] { pad.SetBorderIntensity(pad.BorderIntensity()); }},
        {"Background", [&] { pad.SetBackground(pad.Background()); }},
    };
    for (const auto& [name, write] : writes) {
        const int before = pad.paints;
        write();
        EXPECT_EQ(pad.paints, before + 1) << name << " with its own value repaints at once";
        EXPECT_TRUE(host.PendingBounds().IsEmpty()) << name;
    }
    const int before = pad.paints;
    pad.SetAlignment(taCenter);  // the value it has
    EXPECT_EQ(pad.paints, before);
    EXPECT_TRUE(host.PendingBounds().IsEmpty());
    pad.SetAlignment(taLeftJustify);
    EXPECT_EQ(pad.paints, before);
    EXPECT_EQ(host.PendingBounds(), pad.BoundsRect());
    EXPECT_EQ(pad.Alignment(), taLeftJustify);
}

TEST(Pad3D, ImmediateRepaintNeverShadesItsOwnOutput) {
    FixtureHost host(test::Pattern(140, 225));
    auto& pad = KeypadPad(host, 3, 5);
    host.PaintAll();
    const TBitmap first = host.Surface();
    pad.SetBorderIntensity(40);
    pad.SetBorderIntensity(40);
    EXPECT_TRUE(test::SamePixels(first, host.Surface()));
}

// ---------------------------------------------------------------- caption

// The rows of the host where the caption changed a pixel (the caption pads
// below shade nothing, so any change is text).
std::vector<int> TextRows(const FixtureHost& host) {
    std::vector<int> rows;
    for (int y = 0; y < host.Height(); ++y)
        for (int x = 0; x < host.Width(); ++x)
            if (host.Surface().Pixel(x, y) != host.Background().Pixel(x, y)) {
                rows.push_back(y);
                break;
            }
    return rows;
}

// The leftmost column where the caption changed a pixel, or -1.
int FirstTextColumn(const FixtureHost& host) {
    for (int x = 0; x < host.Width(); ++x)
        for (int y = 0; y < host.Height(); ++y)
            if (host.Surface().Pixel(x, y) != host.Background().Pixel(x, y)) return x;
    return -1;
}

// A pad with no border or shadow effect, a red caption of `height` pixels.
TPad3D& CaptionPad(FixtureHost& host, int width, int height, int fontHeight) {
    auto& pad = host.Add<TPad3D>(0, 0, width, height);
    pad.SetBorderIntensity(0);
    pad.SetShadowIntensity(0);
    pad.Font().SetName("Arial");
    pad.Font().SetHeight(fontHeight);
    pad.Font().SetColor(clRed);
    return pad;
}

int MeasuredHeight(const TFont& font, const std::string& text) {
    TBitmap scratch(1, 1);
    scratch.Canvas().Font().Assign(font);
    return scratch.Canvas().TextHeight(text);
}

// A pad that records where its caption goes.
class RecordingPad : public TPad3D {
public:
    using TPad3D::TPad3D;
    TRect rect;
    unsigned flags = 0;

protected:
    void DrawCaption(TRect r, unsigned f) override {
        rect = r;
        flags = f;
        TPad3D::DrawCaption(r, f);
    }
};

TEST(Pad3D, CaptionRectangleAndFlagsByShadowPositionAndAlignment) {
    // C = (H - SW - TH) / 2 centres one line on the face; 13-pixel text on a
    // 48-pixel pad with shadow 2 would give 16 (rows 16 to 28).
    struct Case {
        TShadowPos position;
        TAlignment alignment;
        int left, top, right;  // with c standing for C: top is SW + C or C
        bool shadowAbove;
        unsigned flags;
    };
    const int w = 200, h = 48, sw = 2;
    const Case cases[] = {
        {shBottomRight, taCenter, 0, 0, w - sw, false, 0x51},
        {shBottomLeft, taLeftJustify, sw, 0, w, false, 0x50},
        {shTopLeft, taRightJustify, sw, sw, w, true, 0x52},
        {shTopRight, taCenter, 0, sw, w - sw, true, 0x51},
    };
    for (const Case& c : cases) {
        FixtureHost host(Grey(w, h));
        auto& pad = host.Add<RecordingPad>(0, 0, w, h);
        pad.Font().SetName("Arial");
        pad.Font().SetHeight(11);
        pad.SetShadowWidth(sw);
        pad.SetShadowPosition(c.position);
        pad.SetAlignment(c.alignment);
        pad.SetCaption("Words");
        const int th = MeasuredHeight(pad.Font(), "Words");
        const int cOffset = (h - sw - th) / 2;
        const int top = c.top + cOffset;
        EXPECT_EQ(pad.rect, Rect(c.left, top, c.right, top + th)) << kShadowPosNames[c.position];
        EXPECT_EQ(pad.flags, c.flags) << kShadowPosNames[c.position];
    }
}

TEST(Pad3D, CaptionKeepsToOneLine) {
    FixtureHost host(Grey(200, 48));
    auto& pad = CaptionPad(host, 200, 48, 12);
    pad.SetShadowWidth(2);
    pad.SetCaption("Wrapped words here and more words that do not fit on one line of the pad at all");
    const int th = MeasuredHeight(pad.Font(), pad.Caption());
    const int c = (48 - 2 - th) / 2;
    const std::vector<int> rows = TextRows(host);
    ASSERT_FALSE(rows.empty());
    EXPECT_GE(rows.front(), c);
    EXPECT_LT(rows.back(), c + th) << "only the first line shows";
}

TEST(Pad3D, CaptionAlignmentAndTheShadowSide) {
    // Left-justified text starts at the text rectangle's left: SW for a
    // shadow on the left, 0 for one on the right.
    struct Case {
        TShadowPos position;
        int left;
    };
    for (const Case& c : {Case{shBottomRight, 0}, Case{shBottomLeft, 6}}) {
        FixtureHost host(Grey(120, 40));
        auto& pad = CaptionPad(host, 120, 40, 16);
        pad.SetShadowWidth(6);
        pad.SetShadowPosition(c.position);
        pad.SetAlignment(taLeftJustify);
        pad.SetCaption("|||");
        const int first = FirstTextColumn(host);
        EXPECT_GE(first, c.left);
        EXPECT_LT(first, c.left + 4) << kShadowPosNames[c.position];
    }
}

TEST(Pad3D, CaptionIsCutAtItsFirst255Characters) {
    // 254 no-break spaces (two bytes each) then "X": the X is the 255th
    // character and shows; one more space pushes it past the cut.
    const std::string nbsp = "\xC2\xA0";
    struct Case {
        int spaces;
        bool shows;
    };
    for (const Case& c : {Case{254, true}, Case{255, false}}) {
        std::string caption;
        for (int i = 0; i < c.spaces; ++i) caption += nbsp;
        caption += "X";
        FixtureHost host(Grey(1600, 30));
        auto& pad = CaptionPad(host, 1600, 30, 12);
        pad.SetShadowWidth(0);
        pad.SetAlignment(taLeftJustify);
        pad.SetCaption(caption);
        EXPECT_EQ(!TextRows(host).empty(), c.shows) << c.spaces << " spaces";
    }
    // A zero character ends the caption there.
    FixtureHost host(Grey(200, 30));
    auto& pad = CaptionPad(host, 200, 30, 12);
    pad.SetCaption(std::string("\0X", 2));
    EXPECT_TRUE(TextRows(host).empty());
}

// ---------------------------------------------------------------- class

TEST(Pad3D, ConstructionValues) {
    TPad3D pad(nullptr);
    EXPECT_EQ(pad.Width(), 200);
    EXPECT_EQ(pad.Height(), 50);
    EXPECT_EQ(pad.Alignment(), taCenter);
    EXPECT_EQ(pad.ShadowIntensity(), 60);
    EXPECT_EQ(pad.ShadowQuality(), quLow);
    EXPECT_EQ(pad.ShadowPosition(), shBottomRight);
    EXPECT_EQ(pad.ShadowWidth(), 4);
    EXPECT_EQ(pad.BorderQuality(), quLow);
    EXPECT_EQ(pad.BorderWidth(), 3);
    EXPECT_EQ(pad.BorderIntensity(), 40);
    EXPECT_EQ(pad.Picture().Width(), 0);  // no "Background" resource in this program
    EXPECT_EQ(pad.Background(), bgMosaic);
    EXPECT_EQ(pad.Caption(), "");
}

// The published names after the inherited bounds, in stored order.
std::vector<std::string> OwnPublished(const TClassInfo& info) {
    std::vector<std::string> names;
    const std::size_t inherited = TGraphicControl::StaticClassInfo().Published().size();
    for (std::size_t i = inherited; i < info.Published().size(); ++i) names.push_back(info.Published()[i].Name);
    return names;
}

TEST(Pad3D, PublishedPropertiesInStoredOrderAndByName) {
    const std::vector<std::string> expected = {
        "Align", "Alignment", "Font", "Caption", "Picture", "ShadowIntensity", "ShadowQuality", "ShadowPosition",
        "ShadowWidth", "BorderQuality", "BorderWidth", "BorderIntensity", "Background", "visible", "DragCursor",
        "DragMode", "Enabled", "ParentShowHint", "PopupMenu", "ShowHint", "OnClick", "OnDblClick", "OnDragDrop",
        "OnDragOver", "OnEndDrag", "OnMouseDown", "OnMouseMove", "OnMouseUp"};
    EXPECT_EQ(OwnPublished(TPad3D::StaticClassInfo()), expected);

    TPad3D pad(nullptr);
    SetEnumProp(pad, "ShadowPosition", "shTopLeft");
    SetEnumProp(pad, "ShadowQuality", "quHi");
    SetEnumProp(pad, "Background", "bgPicture");
    SetEnumProp(pad, "Alignment", "taRightJustify");
    SetOrdProp(pad, "BorderWidth", 1);
    SetStrProp(pad, "Caption", "abc");
    EXPECT_EQ(pad.ShadowPosition(), shTopLeft);
    EXPECT_EQ(pad.ShadowQuality(), quHi);
    EXPECT_EQ(pad.Background(), bgPicture);
    EXPECT_EQ(pad.Alignment(), taRightJustify);
    EXPECT_EQ(GetOrdProp(pad, "BorderWidth"), 1);
    EXPECT_EQ(GetStrProp(pad, "Caption"), "abc");
}

TEST(ShadingTypes, OrdinalsAndNames) {
    EXPECT_EQ(QualityType().Values, (std::vector<std::string>{"quHi", "quLow"}));
    EXPECT_EQ(ShadowPosType().Values,
              (std::vector<std::string>{"shTopLeft", "shTopRight", "shBottomLeft", "shBottomRight"}));
    EXPECT_EQ(BackgroundType().Values, (std::vector<std::string>{"bgMosaic", "bgPicture"}));
    EXPECT_EQ(static_cast<int>(quLow), 1);
    EXPECT_EQ(static_cast<int>(shBottomRight), 3);
    EXPECT_EQ(static_cast<int>(bgPicture), 1);
}

}  // namespace
}  // namespace tresilva
