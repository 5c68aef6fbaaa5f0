// The raised label: its first state, the three passes with their rectangles,
// colours, flags and text, the blink phases and which setters repaint.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/magiclab/MagicLabel.h"
#include "platform/Errors.h"
#include "platform/ui/Properties.h"
#include "tests/controls/magiclab/LabelFixtures.h"

namespace tresilva::test {
namespace {

[[maybe_unused]] testing::Environment* const environment = testing::AddGlobalTestEnvironment(new GuiEnvironment);

using Label = Recording<TMagicLabel>;
using Passes = std::vector<Pass>;

constexpr unsigned kLeft = 0x50;  // DT_LEFT | DT_EXPANDTABS | DT_WORDBREAK

// A label on a white host, painted once with its caption.
struct Placed {
    Host host{120, 40};
    Label& label;
    explicit Placed(const std::string& caption, int width = 95, int height = 20)
        : label(host.Add<Label>(5, 5, width, height)) {
        label.SetCaption(caption);
        host.Update();
        label.Take();
    }
};

TEST(MagicLabelTest, StartsSteadySilverAnd95By20) {
    TMagicLabel label(nullptr);
    EXPECT_EQ(label.Width(), 95);
    EXPECT_EQ(label.Height(), 20);
    EXPECT_FALSE(label.AutoSize());
    EXPECT_FALSE(label.Transparent());
    EXPECT_TRUE(label.ShowAccelChar());
    EXPECT_EQ(label.Font().Color(), clSilver);
    EXPECT_FALSE(label.BlinkState());
    EXPECT_EQ(label.DisplayText(), "");
    EXPECT_FALSE(label.Blink());
    EXPECT_EQ(label.BlinkSpeed(), 50);
    EXPECT_EQ(label.BlinkTimer().Owner(), &label);
    EXPECT_TRUE(label.BlinkTransparent());
    EXPECT_EQ(label.BlinkColor(), 0x0000FF);
    EXPECT_EQ(label.BlinkTopColor(), 0xFFFFFF);
    EXPECT_EQ(label.BlinkBottomColor(), 0x808080);
    EXPECT_TRUE(label.RaisedTop());
    EXPECT_TRUE(label.RaisedBottom());
    EXPECT_EQ(label.RaisedTopColor(), 0xFFFFFF);
    EXPECT_EQ(label.RaisedBottomColor(), 0x808080);
    EXPECT_EQ(label.RaisedTopDistance(), 1);
    EXPECT_EQ(label.RaisedBottomDistance(), 1);
}

TEST(MagicLabelTest, PublishesInStoredOrderWithoutAutoSize) {
    std::vector<std::string> names;
    for (const TPropInfo& p : TMagicLabel::StaticClassInfo().Published()) names.push_back(p.Name);
    EXPECT_EQ(names, (std::vector<std::string>{
                         "Left", "Top", "Width", "Height", "Cursor", "Hint", "Blink", "BlinkSpeed", "BlinkColor",
                         "BlinkTopColor", "BlinkBottomColor", "BlinkTransparent", "RaisedTop", "RaisedBottom",
                         "RaisedTopColor", "RaisedBottomColor", "RaisedTopDistance", "RaisedBottomDistance", "Align",
                         "Alignment", "Caption", "Color", "DragCursor", "DragMode", "Enabled", "FocusControl", "Font",
                         "ParentColor", "ParentFont", "ParentShowHint", "PopupMenu", "ShowAccelChar", "ShowHint",
                         "Transparent", "Visible", "WordWrap", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver",
                         "OnEndDrag", "OnMouseDown", "OnMouseMove", "OnMouseUp"}));
    TMagicLabel label(nullptr);
    SetOrdProp(label, "BlinkSpeed", 70000);  // a 16-bit count
    EXPECT_EQ(label.BlinkSpeed(), 70000 - 65536);
}

TEST(MagicLabelTest, ThePassesLieAroundTheText) {
    struct Case {
        const char* what;
        bool top, bottom;
        int t, b, width, height;
        Passes expected;
    };
    const std::string s = "Euro";
    const Case cases[] = {
        {"both, one pixel", true, true, 1, 1, 95, 20,
         {{Rect(2, 2, 95, 20), clGray, kLeft, s}, {Rect(0, 0, 93, 18), clWhite, kLeft, s},
          {Rect(1, 1, 94, 19), clSilver, kLeft, s}}},
        {"both distances 0: the passes coincide", true, true, 0, 0, 95, 20,
         {{Rect(0, 0, 95, 20), clGray, kLeft, s}, {Rect(0, 0, 95, 20), clWhite, kLeft, s},
          {Rect(0, 0, 95, 20), clSilver, kLeft, s}}},
        {"negative distances are not corrected", true, true, -2, -3, 95, 20,
         {{Rect(-5, -5, 95, 20), clGray, kLeft, s}, {Rect(0, 0, 100, 25), clWhite, kLeft, s},
          {Rect(-2, -2, 98, 23), clSilver, kLeft, s}}},
        {"only the shadow, 100 x 20", false, true, 1, 1, 100, 20,
         {{Rect(1, 1, 100, 20), clGray, kLeft, s}, {Rect(0, 0, 99, 19), clSilver, kLeft, s}}},
        {"only the highlight, two pixels", true, false, 2, 1, 95, 20,
         {{Rect(0, 0, 93, 18), clWhite, kLeft, s}, {Rect(2, 2, 95, 20), clSilver, kLeft, s}}},
        {"neither", false, false, 4, 4, 95, 20, {{Rect(0, 0, 95, 20), clSilver, kLeft, s}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Placed p(s, c.width, c.height);
        p.label.SetRaisedTop(c.top);
        p.label.SetRaisedBottom(c.bottom);
        p.label.SetRaisedTopDistance(c.t);
        p.label.SetRaisedBottomDistance(c.b);
        p.label.Take();
        p.label.Repaint();
        EXPECT_EQ(p.label.Take(), c.expected);
    }
}

TEST(MagicLabelTest, FlagsFollowTheAlignmentAndTheAcceleratorSetting) {
    struct Case {
        TAlignment alignment;
        bool accel;
        unsigned flags;
    };
    for (const Case& c : {Case{taLeftJustify, true, 0x50}, Case{taRightJustify, true, 0x52},
                          Case{taCenter, true, 0x51}, Case{taLeftJustify, false, 0x850},
                          Case{taRightJustify, false, 0x852}, Case{taCenter, false, 0x851}}) {
        SCOPED_TRACE(c.flags);
        Placed p("A&B");
        p.label.SetAlignment(c.alignment);
        p.label.SetShowAccelChar(c.accel);
        p.label.Repaint();
        const Passes passes = p.label.Take();
        ASSERT_EQ(passes.size(), 3u);
        for (const Pass& pass : passes) EXPECT_EQ(pass.flags, c.flags);
    }
}

TEST(MagicLabelTest, AtMost255CharactersAreDrawn) {
    struct Case {
        std::string caption, drawn;
    };
    std::string accents;
    for (int i = 0; i < 300; ++i) accents += "\xC3\xA9";  // é, two bytes each
    for (const Case& c : {Case{std::string(255, 'x'), std::string(255, 'x')},
                          Case{std::string(300, 'x'), std::string(255, 'x')},
                          Case{accents, accents.substr(0, 510)}}) {
        Placed p(c.caption);
        p.label.Repaint();
        for (const Pass& pass : p.label.Take()) EXPECT_EQ(pass.text, c.drawn);
        EXPECT_EQ(p.label.DisplayText(), c.caption);  // only the drawing is cut
    }
}

TEST(MagicLabelTest, ADisabledLabelDrawsEveryPassInGrayText) {
    Placed p("12");
    p.label.SetEnabled(false);
    p.label.Repaint();
    Passes passes = p.label.Take();
    ASSERT_EQ(passes.size(), 3u);
    for (const Pass& pass : passes) EXPECT_EQ(pass.color, static_cast<TColor>(0x80000011));
    // Blinking goes on, and the text still vanishes in the blink phase.
    p.label.BlinkTick(nullptr);
    passes = p.label.Take();
    ASSERT_EQ(passes.size(), 3u);
    for (const Pass& pass : passes) {
        EXPECT_EQ(pass.color, clGrayText);
        EXPECT_EQ(pass.text, "");
    }
}

TEST(MagicLabelTest, TheBlinkPhaseVanishesOrSwitchesColours) {
    struct Case {
        const char* what;
        bool transparent, top;
        Passes blink;
    };
    const Case cases[] = {
        {"vanishing", true, true,
         {{Rect(2, 2, 95, 20), clBlue, kLeft, ""}, {Rect(0, 0, 93, 18), clYellow, kLeft, ""},
          {Rect(1, 1, 94, 19), clRed, kLeft, ""}}},
        {"blink colours", false, true,
         {{Rect(2, 2, 95, 20), clBlue, kLeft, "7"}, {Rect(0, 0, 93, 18), clYellow, kLeft, "7"},
          {Rect(1, 1, 94, 19), clRed, kLeft, "7"}}},
        {"blink colours, no highlight pass", false, false,
         {{Rect(1, 1, 95, 20), clBlue, kLeft, "7"}, {Rect(0, 0, 94, 19), clRed, kLeft, "7"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Placed p("7");
        p.label.SetBlinkTransparent(c.transparent);
        p.label.SetBlinkTopColor(clYellow);
        p.label.SetBlinkBottomColor(clBlue);
        p.label.SetRaisedTop(c.top);
        const Passes steady = p.label.Take();
        p.label.BlinkTick(nullptr);
        EXPECT_TRUE(p.label.BlinkState());
        EXPECT_EQ(p.label.Take(), c.blink);
        p.label.BlinkTick(nullptr);
        EXPECT_FALSE(p.label.BlinkState());
        EXPECT_EQ(p.label.Take(), steady);
    }
}

TEST(MagicLabelTest, ACaptionChangedInTheBlinkPhaseShowsAtTheNextSteadyPaint) {
    Placed p("old");
    p.label.SetBlinkTransparent(false);
    p.label.BlinkTick(nullptr);
    p.label.Take();
    p.label.SetCaption("new");
    p.label.Repaint();
    for (const Pass& pass : p.label.Take()) EXPECT_EQ(pass.text, "old");
    p.label.BlinkTick(nullptr);
    for (const Pass& pass : p.label.Take()) EXPECT_EQ(pass.text, "new");
}

TEST(MagicLabelTest, BlinkWrittenOrReadReturnsToTheSteadyPhase) {
    Placed p("9");
    p.label.BlinkTick(nullptr);
    ASSERT_EQ(p.label.Take().back().text, "");
    p.label.SetBlink(false);  // the steady text is back at once
    EXPECT_FALSE(p.label.BlinkState());
    Passes passes = p.label.Take();
    ASSERT_EQ(passes.size(), 3u);
    EXPECT_EQ(passes.back(), (Pass{Rect(1, 1, 94, 19), clSilver, kLeft, "9"}));

    p.label.BlinkTick(nullptr);
    p.label.Take();
    const int paints = p.label.paints;
    EXPECT_FALSE(p.label.Blink());  // a read: steady again, without repainting
    EXPECT_FALSE(p.label.BlinkState());
    EXPECT_EQ(p.label.paints, paints);
}

TEST(MagicLabelTest, AnEmptyCaptionKeepsTheTextShownLast) {
    Placed p("12");
    p.label.SetCaption("");
    p.label.Repaint();
    for (const Pass& pass : p.label.Take()) EXPECT_EQ(pass.text, "12");
}

TEST(MagicLabelTest, AnEmptyCaptionAtFirstDrawsNoTextOverTheFilledBackground) {
    Host host(120, 40);
    Label& label = host.Add<Label>(5, 5, 95, 20);
    label.SetColor(clNavy);
    label.Repaint();
    for (const Pass& pass : label.Take()) EXPECT_EQ(pass.text, "");
    EXPECT_EQ(CountPixels(host.Surface(), label.BoundsRect(), clNavy), 95 * 20);
    label.SetTransparent(true);
    host.Update();
    EXPECT_EQ(CountPixels(host.Surface(), label.BoundsRect(), clWhite), 95 * 20);
}

TEST(MagicLabelTest, TheTextPassComesLast) {
    // With both distances 0 only the text colour shows; with 1 the shadow and
    // highlight show around it.
    for (int distance : {0, 1}) {
        SCOPED_TRACE(distance);
        Host host(120, 40);
        Label& label = host.Add<Label>(5, 5, 110, 30);
        label.Font().SetName("Arial");
        label.Font().SetHeight(24);
        label.Font().SetStyle(fsBold);
        label.Font().SetColor(clRed);
        label.SetCaption("HEH");
        label.SetRaisedTopColor(clLime);
        label.SetRaisedBottomColor(clBlue);
        label.SetRaisedTopDistance(distance);
        label.SetRaisedBottomDistance(distance);
        host.Update();
        const TRect area = label.BoundsRect();
        EXPECT_GT(CountPixels(host.Surface(), area, clRed), 20);
        if (distance == 0) {
            EXPECT_EQ(CountPixels(host.Surface(), area, clBlue), 0);
            EXPECT_EQ(CountPixels(host.Surface(), area, clLime), 0);
        } else {
            EXPECT_GT(CountPixels(host.Surface(), area, clBlue), 0);
            EXPECT_GT(CountPixels(host.Surface(), area, clLime), 0);
        }
    }
}

TEST(MagicLabelTest, WhichSettersRepaint) {
    struct Case {
        const char* what;
        std::function<void(TMagicLabel&)> write;
        bool repaints;
    };
    const Case cases[] = {
        {"RaisedTop unchanged", [](TMagicLabel& l) { l.SetRaisedTop(true); }, true},
        {"RaisedBottom unchanged", [](TMagicLabel& l) { l.SetRaisedBottom(true); }, true},
        {"RaisedTopColor unchanged", [](TMagicLabel& l) { l.SetRaisedTopColor(clWhite); }, true},
        {"RaisedBottomColor", [](TMagicLabel& l) { l.SetRaisedBottomColor(clBlack); }, true},
        {"RaisedTopDistance unchanged", [](TMagicLabel& l) { l.SetRaisedTopDistance(1); }, true},
        {"RaisedBottomDistance", [](TMagicLabel& l) { l.SetRaisedBottomDistance(3); }, true},
        {"Blink off, unchanged", [](TMagicLabel& l) { l.SetBlink(false); }, true},
        {"BlinkSpeed", [](TMagicLabel& l) { l.SetBlinkSpeed(80); }, false},
        {"BlinkColor", [](TMagicLabel& l) { l.SetBlinkColor(clBlue); }, false},
        {"BlinkTopColor", [](TMagicLabel& l) { l.SetBlinkTopColor(clBlue); }, false},
        {"BlinkBottomColor", [](TMagicLabel& l) { l.SetBlinkBottomColor(clBlue); }, false},
        {"BlinkTransparent", [](TMagicLabel& l) { l.SetBlinkTransparent(false); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Placed p("5");
        const int paints = p.label.paints;
        c.write(p.label);
        EXPECT_EQ(p.label.paints, paints + (c.repaints ? 1 : 0));
    }
}

TEST(MagicLabelTest, TheTimerFlipsThePhase) {
    Placed p("3");
    p.label.SetBlinkSpeed(5);
    p.label.SetBlink(true);
    EXPECT_TRUE(PumpUntil([&] { return p.label.BlinkState(); }, 5000));
    EXPECT_TRUE(PumpUntil([&] { return !p.label.BlinkState(); }, 5000));
    p.label.SetBlink(false);
}

TEST(MagicLabelTest, BlinkSpeedZeroGivesNoTicks) {
    Placed p("3");
    p.label.SetBlinkSpeed(0);
    p.label.SetBlink(true);
    const int paints = p.label.paints;
    Pump(60);
    EXPECT_EQ(p.label.paints, paints);
    EXPECT_FALSE(p.label.BlinkState());
    EXPECT_TRUE(p.label.Blink());
}

TEST(MagicLabelTest, AnInvisibleLabelDrawsNothingUnlessDesigned) {
    Placed p("8");
    p.label.SetVisible(false);
    p.label.Take();
    p.label.Paint();
    EXPECT_TRUE(p.label.Take().empty());
    p.label.IncludeState(csDesigning);
    p.label.Paint();
    EXPECT_EQ(p.label.Take().size(), 3u);
}

TEST(MagicLabelTest, WithTheBaseAutoSizeOnItFitsItsOneLineText) {
    struct Case {
        const char* what;
        std::function<void(TMagicLabel&)> setUp;
        bool fits;
    };
    const Case cases[] = {
        {"auto-size on", [](TMagicLabel&) {}, true},
        {"aligned", [](TMagicLabel& l) { l.SetAlign(alBottom); }, false},
        {"being read", [](TMagicLabel& l) { l.IncludeState(csReading); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Host host(300, 60);
        Label& label = host.Add<Label>(5, 5, 95, 20);
        label.SetCaption("Autres logiciels");
        label.SetRaisedTopDistance(2);
        label.SetRaisedBottomDistance(3);
        label.SetAutoSize(true);
        c.setUp(label);
        label.SetBounds(5, 5, 95, 20);
        label.Repaint();
        TBitmap scratch(1, 1);
        scratch.Canvas().Font().Assign(label.Font());
        const int w = scratch.Canvas().TextWidth("Autres logiciels") + 5;
        const int h = scratch.Canvas().TextHeight("Autres logiciels") + 5;
        if (c.fits) {
            EXPECT_EQ(label.BoundsRect(), Bounds(5, 5, w, h));
        } else {
            EXPECT_NE(label.Width(), w);
        }
    }
}

}  // namespace
}  // namespace tresilva::test
