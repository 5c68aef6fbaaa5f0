// The label's re-fit to its caption, and its painting.
#include <gtest/gtest.h>

#include "platform/gfx/Bitmap.h"
#include "platform/ui/Label.h"
#include "tests/platform/ui/Probes.h"

namespace tresilva::test {
namespace {

// What DrawText measures for a text in a font, from a rectangle.
TRect Measure(const TFont& font, const std::string& text, unsigned flags, TRect from = Rect(0, 0, 65, 17)) {
    TBitmap scratch(1, 1);
    scratch.Canvas().Font().Assign(font);
    scratch.Canvas().DrawText(text, from, flags | DT_CALCRECT);
    return from;
}

class LabelTest : public testing::Test {
protected:
    LabelTest() : host(200, 100, clSilver), label(&host) {
        label.SetParent(&host);
        label.SetBounds(50, 20, 65, 17);
    }
    Host host;
    TLabel label;
};

TEST_F(LabelTest, StartsOpaqueAutoSizedLeftJustified) {
    TLabel fresh(nullptr);
    EXPECT_EQ(fresh.Width(), 65);
    EXPECT_EQ(fresh.Height(), 17);
    EXPECT_TRUE(fresh.AutoSize());
    EXPECT_TRUE(fresh.ShowAccelChar());
    EXPECT_FALSE(fresh.Transparent());
    EXPECT_FALSE(fresh.WordWrap());
    EXPECT_EQ(fresh.Alignment(), taLeftJustify);
}

TEST_F(LabelTest, ACaptionChangeReFitsKeepingTopAndLeft) {
    label.SetCaption("Convertisseur\teuro");
    const TRect m = Measure(label.Font(), "Convertisseur\teuro", DT_EXPANDTABS);
    EXPECT_EQ(label.BoundsRect(), Bounds(50, 20, m.Right, m.Bottom));
    EXPECT_GT(label.Width(), Measure(label.Font(), "Convertisseur euro", 0).Right);  // the tab was expanded
}

TEST_F(LabelTest, ARightJustifiedLabelKeepsItsRightEdge) {
    label.SetAlignment(taRightJustify);
    label.SetCaption("1 234,56789");
    const TRect m = Measure(label.Font(), "1 234,56789", DT_EXPANDTABS);
    EXPECT_EQ(label.Left() + label.Width(), 50 + 65);
    EXPECT_EQ(label.Width(), m.Right);
    EXPECT_EQ(label.Top(), 20);
}

TEST_F(LabelTest, EmptyCaptionOrALoneAmpersandMeasureAsOneSpace) {
    const TRect space = Measure(label.Font(), " ", DT_EXPANDTABS);
    struct Case {
        const char* caption;
        bool accel;
        const char* measured;
    };
    const Case cases[] = {{"x", true, "x"}, {"", true, " "}, {"&", true, " "}, {"&", false, "&"}, {"&&", true, "&&"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        label.SetShowAccelChar(c.accel);
        label.SetCaption("placeholder");
        label.SetCaption(c.caption);
        const TRect m = Measure(label.Font(), c.measured, DT_EXPANDTABS | (c.accel ? 0u : DT_NOPREFIX));
        EXPECT_EQ(label.Width(), m.Right);
        EXPECT_EQ(label.Height(), m.Bottom);
    }
    label.SetCaption("");
    EXPECT_EQ(label.Width(), space.Right);
}

TEST_F(LabelTest, TheSameTextDoesNothing) {
    label.SetCaption("Taux");
    host.Realise();
    host.Update();
    label.SetBounds(50, 20, 99, 30);  // sized by hand since
    host.Update();
    label.SetCaption("Taux");
    EXPECT_EQ(label.Width(), 99);
    EXPECT_TRUE(host.PendingBounds().IsEmpty());
}

TEST_F(LabelTest, NoReFitWithoutAutoSizeOrWhileBeingRead) {
    label.SetAutoSize(false);
    label.SetCaption("Une longue phrase");
    EXPECT_EQ(label.Width(), 65);
    label.SetAutoSize(true);  // going on re-fits at once
    EXPECT_EQ(label.Width(), Measure(label.Font(), "Une longue phrase", DT_EXPANDTABS).Right);

    label.IncludeState(csReading);
    label.SetCaption("Court");
    label.Font().SetHeight(30);
    EXPECT_EQ(label.Width(), Measure(TFont(), "Une longue phrase", DT_EXPANDTABS).Right);
    label.ExcludeState(csReading);
}

TEST_F(LabelTest, AFontChangeReFits) {
    label.SetCaption("Euro");
    const int before = label.Height();
    label.Font().SetHeight(24);
    EXPECT_GT(label.Height(), before);
    EXPECT_EQ(label.Height(), Measure(label.Font(), "Euro", DT_EXPANDTABS).Bottom);
}

TEST_F(LabelTest, WordWrapBreaksAtTheLabelsWidth) {
    label.SetAutoSize(false);
    label.SetBounds(50, 20, 40, 17);
    label.SetCaption("un deux trois quatre");
    label.SetWordWrap(true);
    label.SetAutoSize(true);
    const TRect m = Measure(label.Font(), "un deux trois quatre", DT_EXPANDTABS | DT_WORDBREAK, Rect(0, 0, 40, 17));
    EXPECT_EQ(label.Height(), m.Bottom);
    EXPECT_GT(label.Height(), Measure(label.Font(), "un", 0).Bottom);  // more than one line
    EXPECT_LE(label.Width(), 40 + Measure(label.Font(), "quatre", 0).Right);
}

TEST_F(LabelTest, PaintsItsColourUnlessTransparent) {
    label.SetAutoSize(false);
    label.SetColor(clNavy);
    label.SetCaption("");  // nothing but the background
    host.Realise();
    host.Update();
    EXPECT_EQ(host.Surface().Pixel(51, 21), clNavy);
    label.SetTransparent(true);
    host.Update();
    EXPECT_EQ(host.Surface().Pixel(51, 21), clSilver);
}

TEST_F(LabelTest, TheCaptionIsDrawnInTheFontColour) {
    label.SetAutoSize(false);
    label.SetColor(clWhite);
    label.Font().SetColor(clBlack);
    label.Font().SetHeight(14);
    label.SetCaption("MMMM");
    host.Realise();
    host.Update();
    int dark = 0;
    for (int y = 20; y < 37; ++y)
        for (int x = 50; x < 115; ++x) dark += host.Surface().Pixel(x, y) != clWhite;
    EXPECT_GT(dark, 10);
}

}  // namespace
}  // namespace tresilva::test
