// The auto-sizing raised label: its caption saved and emptied by the blink,
// its size following the phase, its direct paints and the error without a
// parent window.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/labelsp/LabelSp.h"
#include "platform/Errors.h"
#include "platform/ui/Properties.h"
#include "tests/controls/magiclab/LabelFixtures.h"

namespace tresilva::test {
namespace {

[[maybe_unused]] testing::Environment* const environment = testing::AddGlobalTestEnvironment(new GuiEnvironment);

using Label = Recording<TSpecialLabel>;
using Passes = std::vector<Pass>;

const std::string kCompany = "Tresilva Logiciels, 1999";

// One-line extents in a font.
struct Extent {
    int width, height;
};
Extent Measure(const TFont& font, const std::string& text) {
    TBitmap scratch(1, 1);
    scratch.Canvas().Font().Assign(font);
    return {scratch.Canvas().TextWidth(text), scratch.Canvas().TextHeight(text)};
}

// The about window's company line, its properties set in stored order as a
// layout sets them: transparent black Arial 11, left-aligned, a silver shadow
// one pixel down and right, no highlight, at 53, 61, 207 x 15.
Label& AboutLine(Host& host, bool automaticSize = true, const std::string& caption = kCompany) {
    Label& label = host.Add<Label>(0, 0, 65, 17);
    label.IncludeState(csReading);  // no re-fit meanwhile
    label.SetName("SpecialLabel2");
    label.SetBounds(53, 61, 207, 15);
    label.SetRaisedTop(false);
    label.SetRaisedBottomColor(clSilver);
    label.SetAutomaticSize(automaticSize);
    label.SetCaption(caption);
    label.Font().SetName("Arial");
    label.Font().SetHeight(11);
    label.Font().SetColor(clBlack);
    label.SetTransparent(true);
    label.ExcludeState(csReading);
    label.Take();
    return label;
}

TEST(SpecialLabelTest, StartsAt65By17WithAutoSizeOn) {
    TSpecialLabel label(nullptr);
    EXPECT_EQ(label.Width(), 65);
    EXPECT_EQ(label.Height(), 17);
    EXPECT_TRUE(label.AutoSize());
    EXPECT_TRUE(label.AutomaticSize());
    EXPECT_EQ(label.Font().Color(), 0xC0C0C0);
    EXPECT_FALSE(label.BlinkState());
    EXPECT_FALSE(label.Blink());
    EXPECT_EQ(label.BlinkSpeed(), 50);
    EXPECT_TRUE(label.BlinkTransparent());
    EXPECT_EQ(label.BlinkColor(), clRed);
    EXPECT_EQ(label.RaisedBottomColor(), clGray);
    EXPECT_EQ(label.RaisedTopDistance(), 1);
    EXPECT_EQ(label.SavedCaption(), "");
}

TEST(SpecialLabelTest, PublishesAutomaticSizeAfterTheDistances) {
    std::vector<std::string> names;
    for (const TPropInfo& p : TSpecialLabel::StaticClassInfo().Published()) names.push_back(p.Name);
    EXPECT_EQ(names, (std::vector<std::string>{
                         "Left", "Top", "Width", "Height", "Cursor", "Hint", "Blink", "BlinkSpeed", "BlinkColor",
                         "BlinkTopColor", "BlinkBottomColor", "BlinkTransparent", "RaisedTop", "RaisedBottom",
                         "RaisedTopColor", "RaisedBottomColor", "RaisedTopDistance", "RaisedBottomDistance",
                         "AutomaticSize", "Align", "Alignment", "Caption", "Color", "DragCursor", "DragMode",
                         "Enabled", "FocusControl", "Font", "ParentColor", "ParentFont", "ParentShowHint", "PopupMenu",
                         "ShowAccelChar", "ShowHint", "Transparent", "Visible", "WordWrap", "OnClick", "OnDblClick",
                         "OnDragDrop", "OnDragOver", "OnEndDrag", "OnMouseDown", "OnMouseMove", "OnMouseUp"}));
}

TEST(SpecialLabelTest, ANegativeBlinkSpeedIsAVeryLongIntervalReadBackAsGiven) {
    TSpecialLabel label(nullptr);
    label.SetBlinkSpeed(-1);
    EXPECT_EQ(label.BlinkSpeed(), -1);
    EXPECT_EQ(label.BlinkTimer().Interval(), 0xFFFFFFFFu);
    SetOrdProp(label, "BlinkSpeed", -20);
    EXPECT_EQ(GetOrdProp(label, "BlinkSpeed"), -20);
}

TEST(SpecialLabelTest, TheAboutWindowsLineFitsItsCaptionPlusTheShadow) {
    Host host(320, 100);
    Label& label = AboutLine(host);
    label.Repaint();
    const Extent e = Measure(label.Font(), kCompany);
    EXPECT_EQ(label.BoundsRect(), Bounds(53, 61, e.width + 1, e.height + 1));
    host.Update();
    EXPECT_EQ(label.Take().back(), (Pass{Rect(0, 0, e.width, e.height), clBlack, 0x50, kCompany}));
}

TEST(SpecialLabelTest, WithoutAutomaticSizeTheLayoutSizeStays) {
    Host host(320, 100);
    Label& label = AboutLine(host, false);
    label.Repaint();
    EXPECT_FALSE(label.AutoSize());  // the first steady paint switched it off
    EXPECT_EQ(label.BoundsRect(), Bounds(53, 61, 207, 15));
    EXPECT_EQ(label.Take(), (Passes{{Rect(1, 1, 207, 15), clSilver, 0x50, kCompany},
                                    {Rect(0, 0, 206, 14), clBlack, 0x50, kCompany}}));
}

TEST(SpecialLabelTest, AnEmptyCaptionFromTheStartTakesTheEmptyExtent) {
    Host host(320, 100);
    Label& label = AboutLine(host, true, "");
    label.Repaint();
    const Extent e = Measure(label.Font(), "");
    EXPECT_EQ(label.Width(), 1);
    EXPECT_EQ(label.Height(), e.height + 1);
    for (const Pass& pass : label.Take()) EXPECT_EQ(pass.text, "");
}

TEST(SpecialLabelTest, TheSavedCaptionComesBack) {
    Host host(320, 100);
    Label& label = AboutLine(host);
    label.Repaint();
    label.SetCaption("");
    EXPECT_EQ(label.Caption(), "");
    label.Repaint();
    EXPECT_EQ(label.Caption(), kCompany);
    EXPECT_EQ(label.SavedCaption(), kCompany);
}

TEST(SpecialLabelTest, TheBlinkPhaseEmptiesTheCaptionWithoutShrinking) {
    Host host(320, 100);
    Label& label = AboutLine(host);
    label.Repaint();
    const TRect steady = label.BoundsRect();
    label.Take();
    label.BlinkTick(nullptr);
    EXPECT_EQ(label.Caption(), "");  // what the program reads meanwhile
    EXPECT_FALSE(label.AutoSize());
    EXPECT_EQ(label.BoundsRect(), steady);
    EXPECT_EQ(label.Take(), (Passes{{Rect(1, 1, steady.Width(), steady.Height()), clGray, 0x50, ""},
                                    {Rect(0, 0, steady.Width() - 1, steady.Height() - 1), clRed, 0x50, ""}}));
    host.Update();
    EXPECT_EQ(label.BoundsRect(), steady);
    label.BlinkTick(nullptr);
    EXPECT_EQ(label.Caption(), kCompany);
    EXPECT_TRUE(label.AutoSize());
    EXPECT_EQ(label.BoundsRect(), steady);
    EXPECT_EQ(label.Take().back().text, kCompany);
}

TEST(SpecialLabelTest, WithoutBlinkTransparentTheBlinkPhaseDrawsTheCurrentCaption) {
    Host host(320, 100);
    Label& label = AboutLine(host);
    label.SetBlinkTransparent(false);
    label.Repaint();
    label.BlinkTick(nullptr);
    label.Take();
    label.SetCaption("Nouveau");
    label.Paint();
    EXPECT_EQ(label.Take().back(), (Pass{Rect(0, 0, label.Width() - 1, label.Height() - 1), clRed, 0x50, "Nouveau"}));
    EXPECT_EQ(label.SavedCaption(), "Nouveau");
    label.BlinkTick(nullptr);
    EXPECT_EQ(label.Caption(), "Nouveau");
    EXPECT_EQ(label.Width(), Measure(label.Font(), "Nouveau").width + 1);
}

TEST(SpecialLabelTest, BlinkWrittenFalseInTheBlinkPhaseRestoresTheCaption) {
    Host host(320, 100);
    Label& label = AboutLine(host);
    label.Repaint();
    label.BlinkTick(nullptr);
    ASSERT_EQ(label.Caption(), "");
    label.SetBlink(false);
    EXPECT_FALSE(label.BlinkState());
    EXPECT_EQ(label.Caption(), kCompany);
    EXPECT_EQ(label.Take().back().text, kCompany);
}

TEST(SpecialLabelTest, SettersDrawDirectlyOverWhatWasThere) {
    // A transparent label with a blue shadow: moving the shadow draws it anew
    // without redrawing beneath, so the old shadow stays until the host paints.
    Host host(320, 100);
    Label& label = AboutLine(host);
    label.Font().SetHeight(20);
    label.SetRaisedBottomColor(clBlue);
    label.SetAutomaticSize(false);
    label.SetBounds(10, 10, 250, 40);
    host.Update();
    const TRect area = label.BoundsRect();
    ASSERT_GT(CountPixels(host.Surface(), area, clBlue), 0);
    const TBitmap before = host.Surface();
    const int backgrounds = host.backgrounds;
    label.SetRaisedBottomDistance(6);
    EXPECT_EQ(host.backgrounds, backgrounds);  // nothing beneath was recomposed
    int kept = 0;
    for (int y = area.Top; y < area.Bottom; ++y) {
        for (int x = area.Left; x < area.Right; ++x) {
            kept += before.Pixel(x, y) == clBlue && host.Surface().Pixel(x, y) == clBlue ? 1 : 0;
        }
    }
    EXPECT_GT(kept, 0);
    // A fresh composition shows the shadow at its new place only.
    host.PaintAll();
    int stale = 0;
    for (int y = area.Top; y < area.Bottom; ++y) {
        for (int x = area.Left; x < area.Right; ++x) {
            stale += before.Pixel(x, y) == clBlue && host.Surface().Pixel(x, y) == clBlue ? 1 : 0;
        }
    }
    EXPECT_LT(stale, kept);
}

TEST(SpecialLabelTest, AVisibleLabelWithoutParentFailsAfterStoringTheValue) {
    struct Case {
        const char* what;
        std::function<void(TSpecialLabel&)> write;
        std::function<bool(TSpecialLabel&)> stored;
    };
    const Case cases[] = {
        {"Blink", [](TSpecialLabel& l) { l.SetBlink(true); }, [](TSpecialLabel& l) { return l.BlinkTimer().Enabled(); }},
        {"RaisedTop", [](TSpecialLabel& l) { l.SetRaisedTop(false); }, [](TSpecialLabel& l) { return !l.RaisedTop(); }},
        {"RaisedBottom", [](TSpecialLabel& l) { l.SetRaisedBottom(false); },
         [](TSpecialLabel& l) { return !l.RaisedBottom(); }},
        {"RaisedTopColor", [](TSpecialLabel& l) { l.SetRaisedTopColor(clRed); },
         [](TSpecialLabel& l) { return l.RaisedTopColor() == clRed; }},
        {"RaisedBottomColor", [](TSpecialLabel& l) { l.SetRaisedBottomColor(clRed); },
         [](TSpecialLabel& l) { return l.RaisedBottomColor() == clRed; }},
        {"RaisedTopDistance", [](TSpecialLabel& l) { l.SetRaisedTopDistance(4); },
         [](TSpecialLabel& l) { return l.RaisedTopDistance() == 4; }},
        {"RaisedBottomDistance", [](TSpecialLabel& l) { l.SetRaisedBottomDistance(4); },
         [](TSpecialLabel& l) { return l.RaisedBottomDistance() == 4; }},
        {"AutomaticSize", [](TSpecialLabel& l) { l.SetAutomaticSize(false); },
         [](TSpecialLabel& l) { return !l.AutomaticSize(); }},
        {"a tick", [](TSpecialLabel& l) { l.BlinkTick(nullptr); }, [](TSpecialLabel& l) { return l.BlinkState(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TSpecialLabel label(nullptr);
        label.SetName("SpecialLabel2");
        try {
            c.write(label);
            ADD_FAILURE() << "no error";
        } catch (const EInvalidOperation& e) {
            EXPECT_STREQ(e.what(), "Le contr\xC3\xB4le 'SpecialLabel2' n'a pas de fen\xC3\xAAtre parente");
        }
        EXPECT_TRUE(c.stored(label));
        label.BlinkTimer().SetEnabled(false);
    }
    // Hidden, or for a setter that does not draw, there is nothing to fail.
    TSpecialLabel hidden(nullptr);
    hidden.SetVisible(false);
    EXPECT_NO_THROW(hidden.SetRaisedTop(false));
    TSpecialLabel quiet(nullptr);
    EXPECT_NO_THROW(quiet.SetBlinkSpeed(10));
    EXPECT_NO_THROW(quiet.SetBlinkColor(clBlue));
}

TEST(SpecialLabelTest, ADisabledLabelDrawsInGrayText) {
    Host host(320, 100);
    Label& label = AboutLine(host);
    label.SetEnabled(false);
    label.Repaint();
    const Passes passes = label.Take();
    ASSERT_EQ(passes.size(), 2u);
    for (const Pass& pass : passes) EXPECT_EQ(pass.color, clGrayText);
}

TEST(SpecialLabelTest, TheTimerBlinksTheCaption) {
    Host host(320, 100);
    Label& label = AboutLine(host);
    label.SetBlinkSpeed(5);
    label.SetBlink(true);
    EXPECT_TRUE(PumpUntil([&] { return label.Caption().empty(); }, 5000));
    EXPECT_TRUE(PumpUntil([&] { return label.Caption() == kCompany; }, 5000));
    label.SetBlink(false);
}

}  // namespace
}  // namespace tresilva::test
