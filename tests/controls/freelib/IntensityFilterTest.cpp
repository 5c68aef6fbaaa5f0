// The intensity filter on a realised host with a fixture background.
#include "controls/freelib/IntensityFilter.h"

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/ui/Properties.h"
#include "tests/controls/freelib/Hosts.h"
#include "tests/controls/freelib/Surfaces.h"

namespace tresilva {
namespace {

using test::DeltaGrid;
using test::Deltas;
using test::FixtureHost;
using test::Grey;
using test::SameGrid;
using test::Zeros;

TIntensityFilter& Filter(FixtureHost& host, int left, int top, int width, int height, int intensity, TQuality quality,
                         bool border) {
    auto& f = host.Add<TIntensityFilter>(left, top, width, height);
    f.SetIntensity(intensity);
    f.SetQuality(quality);
    f.SetBorder(border);
    return f;
}

TEST(IntensityFilter, WithoutBorderShiftsEveryPixel) {
    struct Case {
        TColor beneath;
        int intensity;
        TColor expected;
    };
    const Case cases[] = {
        {RGB(128, 128, 128), -30, RGB(98, 98, 98)},
        {RGB(20, 100, 255), -30, RGB(1, 70, 225)},
        {RGB(20, 100, 255), 0, RGB(20, 100, 255)},
    };
    for (const Case& c : cases) {
        TBitmap background(402, 43);
        for (int y = 0; y < 43; ++y)
            for (int x = 0; x < 402; ++x) background.SetPixel(x, y, c.beneath);
        FixtureHost host(background);
        Filter(host, 1, 1, 400, 41, c.intensity, quHi, false);
        host.PaintAll();
        for (int y = 0; y < 43; ++y) {
            for (int x = 0; x < 402; ++x) {
                const bool inside = x >= 1 && x <= 400 && y >= 1 && y <= 41;
                ASSERT_EQ(host.Surface().Pixel(x, y), inside ? c.expected : c.beneath) << x << ", " << y;
            }
        }
    }
}

TEST(IntensityFilter, BorderOfWidthFiveOn400By41) {
    FixtureHost host(Grey(400, 41));
    auto& f = Filter(host, 0, 0, 400, 41, -30, quHi, true);
    f.SetBorderWidth(5);
    f.SetBorderIntensity(40);
    host.PaintAll();
    // The mitred sides as trapezoids; those on the right and bottom lose
    // their outermost line, which lies one past the filter.
    DeltaGrid expected = Zeros(400, 41);
    auto add = [&](int x, int y, int d) {
        if (x >= 0 && x < 400 && y >= 0 && y < 41) expected[y][x] += d;
    };
    for (int k = 0; k <= 5; ++k) {
        for (int x = k; x <= 400 - k; ++x) add(x, k, 40);              // top: row k
        for (int y = k; y <= 41 - k; ++y) add(k, y, 40);               // left: column k
        for (int x = 5 - k; x <= 395 + k; ++x) add(x, 36 + k, -40);    // bottom: row 36 + k
        for (int y = 5 - k; y <= 36 + k; ++y) add(395 + k, y, -40);    // right: column 395 + k
    }
    for (int y = 6; y <= 35; ++y)
        for (int x = 6; x <= 394; ++x) add(x, y, -30);
    EXPECT_TRUE(SameGrid(expected, Deltas(host.Background(), host.Surface())));
    // The figures: the sides' depths on the surface and the inner area.
    EXPECT_EQ(expected[3][200], 40);
    EXPECT_EQ(expected[5][200], 40);
    EXPECT_EQ(expected[6][200], -30);
    EXPECT_EQ(expected[35][200], -30);
    EXPECT_EQ(expected[36][200], -40);
    EXPECT_EQ(expected[20][5], 40);
    EXPECT_EQ(expected[20][394], -30);
    EXPECT_EQ(expected[20][395], -40);
}

TEST(IntensityFilter, LowQualityCountsFromTheFiltersCorner) {
    FixtureHost host(Grey(12, 6));
    Filter(host, 3, 1, 8, 4, -10, quLow, false);
    host.PaintAll();
    DeltaGrid expected = Zeros(12, 6);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x)
            if ((x + y) % 2 == 0) expected[1 + y][3 + x] = -10;
    EXPECT_TRUE(SameGrid(expected, Deltas(host.Background(), host.Surface())));
}

TEST(IntensityFilter, NarrowBorderedFilterStillShiftsColumnBorderWidthPlusOne) {
    // 8 wide with BorderWidth 5: the inner area is column 6 alone, rows 6 to
    // H - 6, because the loops run at least once. Only Intensity differs
    // between the two paints, so the difference is exactly that area.
    auto paint = [](int intensity) {
        FixtureHost host(Grey(8, 20));
        auto& f = Filter(host, 0, 0, 8, 20, intensity, quHi, true);
        f.SetBorderWidth(5);
        f.SetBorderIntensity(20);
        host.PaintAll();
        return host.Surface();
    };
    const TBitmap plain = paint(0), shifted = paint(-30);
    DeltaGrid expected = Zeros(8, 20);
    for (int y = 6; y <= 14; ++y) expected[y][6] = -30;
    EXPECT_TRUE(SameGrid(expected, Deltas(plain, shifted)));
}

// A filter that counts its paints.
class CountingFilter : public TIntensityFilter {
public:
    using TIntensityFilter::TIntensityFilter;
    int paints = 0;

protected:
    void Paint() override {
        ++paints;
        TIntensityFilter::Paint();
    }
};

TEST(IntensityFilter, EverySetterRepaintsAtOnceEvenWithTheSameValue) {
    FixtureHost host(Grey(30, 30));
    auto& f = host.Add<CountingFilter>(2, 2, 20, 20);
    host.Update();
    const std::vector<std::function<void()>> writes = {
        [&] { f.SetIntensity(f.Intensity()); }, [&] { f.SetQuality(f.Quality()); },
        [&] { f.SetBorder(f.Border()); },       [&] { f.SetBorderWidth(f.BorderWidth()); },
        [&] { f.SetBorderIntensity(f.BorderIntensity()); }};
    for (std::size_t i = 0; i < writes.size(); ++i) {
        const int before = f.paints;
        writes[i]();
        EXPECT_EQ(f.paints, before + 1) << "setter " << i;
    }
    EXPECT_TRUE(host.PendingBounds().IsEmpty());
}

TEST(IntensityFilter, ConstructionValuesAndPublishedOrder) {
    TIntensityFilter f(nullptr);
    EXPECT_EQ(f.Width(), 105);
    EXPECT_EQ(f.Height(), 105);
    EXPECT_EQ(f.Intensity(), -60);
    EXPECT_EQ(f.Quality(), quLow);
    EXPECT_FALSE(f.Border());
    EXPECT_EQ(f.BorderWidth(), 5);
    EXPECT_EQ(f.BorderIntensity(), 40);

    std::vector<std::string> names;
    const auto& published = TIntensityFilter::StaticClassInfo().Published();
    for (std::size_t i = TGraphicControl::StaticClassInfo().Published().size(); i < published.size(); ++i)
        names.push_back(published[i].Name);
    const std::vector<std::string> expected = {"Align", "Intensity", "Quality", "Border", "BorderWidth",
                                               "BorderIntensity", "visible", "OnClick", "OnDblClick", "OnDragDrop",
                                               "OnDragOver", "OnEndDrag", "OnMouseDown", "OnMouseMove", "OnMouseUp"};
    EXPECT_EQ(names, expected);

    SetEnumProp(f, "Quality", "quHi");
    SetOrdProp(f, "Border", 1);
    SetOrdProp(f, "Intensity", -30);
    EXPECT_EQ(f.Quality(), quHi);
    EXPECT_TRUE(f.Border());
    EXPECT_EQ(f.Intensity(), -30);
}

}  // namespace
}  // namespace tresilva
