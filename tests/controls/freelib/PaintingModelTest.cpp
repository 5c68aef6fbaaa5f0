// The shading controls together on one realised host: each one reads what
// the host and the controls beneath it have just painted.
#include <gtest/gtest.h>

#include "controls/freelib/BmpMosaic.h"
#include "controls/freelib/BmpTransparent.h"
#include "controls/freelib/IntensityFilter.h"
#include "controls/freelib/Pad3D.h"
#include "tests/controls/freelib/Hosts.h"
#include "tests/controls/freelib/KeypadPad.h"
#include "tests/controls/freelib/Surfaces.h"

namespace tresilva {
namespace {

using test::Deltas;
using test::FixtureHost;
using test::Grey;
using test::KeypadPad;
using test::KeypadPadDeltas;
using test::Placed;
using test::SameGrid;
using test::SamePixels;

// A marble-like tile whose channels stay within 60..190, so shading by up to
// 80 never clamps and every delta reads back exactly.
TPicture MidTile() {
    TBitmap tile(32, 24);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 32; ++x) {
            const int v = 60 + (x * 7 + y * 13) % 131;
            tile.SetPixel(x, y, RGB(v, v, v));
        }
    TPicture p;
    p.SetBitmap(tile);
    return p;
}

TPicture KeyGlyph() {
    TBitmap b(28, 42);
    for (int y = 0; y < 42; ++y)
        for (int x = 0; x < 28; ++x) b.SetPixel(x, y, (x + y) % 5 == 0 ? clOlive : RGB(200, 160 + y, 40 + x));
    TPicture p;
    p.SetBitmap(b);
    return p;
}

// A host with a mosaic over all of it.
TBmpMosaic& Marble(FixtureHost& host) {
    auto& mosaic = host.Add<TBmpMosaic>(0, 0, host.Width(), host.Height());
    mosaic.SetPicture(MidTile());
    return mosaic;
}

TEST(PaintingModel, APadOverAMosaicShadesTheMosaicsPixels) {
    FixtureHost plain(Grey(140, 225));
    Marble(plain);
    plain.PaintAll();

    FixtureHost host(Grey(140, 225));
    Marble(host);
    KeypadPad(host, 3, 5);
    host.PaintAll();
    EXPECT_TRUE(SameGrid(Placed(KeypadPadDeltas(), 140, 225, 3, 5), Deltas(plain.Surface(), host.Surface())));
}

TEST(PaintingModel, AnImmediateRepaintGivesThePixelsOfTheFirstPaint) {
    FixtureHost host(Grey(200, 240));
    Marble(host);
    auto& pad = KeypadPad(host, 3, 5);
    auto& filter = host.Add<TIntensityFilter>(0, 100, 200, 41);
    filter.SetIntensity(-30);
    filter.SetQuality(quHi);
    host.PaintAll();
    const TBitmap first = host.Surface();
    pad.SetShadowIntensity(20);
    pad.SetShadowIntensity(20);
    EXPECT_TRUE(SamePixels(first, host.Surface())) << "the pad never shades its own output";
    filter.SetIntensity(-30);
    filter.SetIntensity(-30);
    EXPECT_TRUE(SamePixels(first, host.Surface())) << "nor does the filter";
}

TEST(PaintingModel, HidingAndShowingAKeyRepaintsItsAreaFromTheBottom) {
    // The same stack with and without the key, for reference.
    auto stack = [](FixtureHost& host) {
        Marble(host);
        KeypadPad(host, 3, 5);
        auto& filter = host.Add<TIntensityFilter>(0, 40, 160, 41);
        filter.SetIntensity(-30);
        filter.SetQuality(quHi);
    };
    FixtureHost without(Grey(160, 225));
    stack(without);
    without.PaintAll();

    FixtureHost host(Grey(160, 225));
    stack(host);
    auto& key = host.Add<TBmpTransparent>(20, 30, 36, 41);
    key.SetPicture(KeyGlyph());
    host.PaintAll();
    const TBitmap with = host.Surface();
    EXPECT_FALSE(SamePixels(without.Surface(), with));

    key.Hide();
    host.Update();
    EXPECT_TRUE(SamePixels(without.Surface(), host.Surface())) << "marble, pad and filter, no key";
    key.Show();
    host.Update();
    EXPECT_TRUE(SamePixels(with, host.Surface())) << "the key again, over freshly painted layers";
}

}  // namespace
}  // namespace tresilva
