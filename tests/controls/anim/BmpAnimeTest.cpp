// The bitmap animation: its first state, where it draws a frame, its timer
// and which setters repaint.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <string>
#include <vector>

#include "controls/freelib/BmpAnime.h"
#include "controls/freelib/ImageCtrl.h"
#include "platform/data/StringList.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/GuiApplication.h"
#include "platform/ui/Properties.h"
#include "tests/controls/anim/AnimeFixtures.h"

namespace tresilva {
void PrintTo(const TRect& r, std::ostream* os) {
    *os << "(" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ")";
}
}  // namespace tresilva

namespace tresilva::test {
namespace {

// Timers start only where an application object exists.
class GuiEnvironment : public testing::Environment {
public:
    void SetUp() override { EnsureGuiApplication(); }
};
[[maybe_unused]] testing::Environment* const environment = testing::AddGlobalTestEnvironment(new GuiEnvironment);

constexpr TColor kMarker = RGB(1, 2, 3);  // what the window showed before

template <class F>
bool PumpUntil(F done, int boundMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < boundMs) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

void Pump(int ms) {
    PumpUntil([] { return false; }, ms);
}

// A realised animation whose surface holds the marker colour everywhere.
void Prepare(TBmpAnime& anime, int width, int height) {
    anime.SetBounds(0, 0, width, height);
    anime.Realise();
    TCanvas& c = anime.Surface().Canvas();
    c.Brush().Color = kMarker;
    c.Brush().Style = bsSolid;
    c.FillRect(Rect(0, 0, width, height));
}

std::vector<std::string> PublishedNames(const TClassInfo& info) {
    std::vector<std::string> names;
    for (const TPropInfo& p : info.Published()) names.push_back(p.Name);
    return names;
}

TEST(BmpAnimeTest, StartsRunningWithNoFrames) {
    TBmpAnime anime(nullptr);
    EXPECT_EQ(anime.Width(), 150);
    EXPECT_EQ(anime.Height(), 150);
    EXPECT_EQ(anime.BrushStyle(), bsClear);
    EXPECT_EQ(anime.ImageList().Count(), 0);
    EXPECT_EQ(anime.FrameIndex(), 0);
    EXPECT_FALSE(anime.AutoSize());
    EXPECT_FALSE(anime.Center());
    EXPECT_FALSE(anime.Stretch());
    EXPECT_EQ(anime.AnimationSpeed(), 80);
    EXPECT_TRUE(anime.Active());
    EXPECT_TRUE(anime.FrameTimer().Running());
    EXPECT_EQ(anime.FrameTimer().Owner(), &anime);
    EXPECT_NE(FindClass("TImageCtrl"), nullptr);  // the first animation made the frame class known
}

TEST(BmpAnimeTest, PublishesInStoredOrder) {
    EXPECT_EQ(PublishedNames(TBmpAnime::StaticClassInfo()),
              (std::vector<std::string>{"Left", "Top", "Width", "Height", "Cursor", "Hint", "Active",
                                        "AnimationSpeed", "AutoSize", "Center", "ImageList", "Stretch", "Align",
                                        "ParentShowHint", "PopupMenu", "ShowHint", "Visible", "OnClick",
                                        "OnDblClick"}));
    EXPECT_EQ(PublishedNames(TImageCtrl::StaticClassInfo()),
              (std::vector<std::string>{"Left", "Top", "Width", "Height", "Cursor", "Hint", "Caption", "Bmp"}));

    TBmpAnime anime(nullptr);
    SetOrdProp(anime, "AnimationSpeed", 50);
    EXPECT_EQ(anime.FrameTimer().Interval(), 50u);
    const TPropInfo list = GetProperty(anime, "ImageList");
    list.SetStrings(anime, {"IMAGE1.BMP", "IMAGE2.BMP"});
    EXPECT_EQ(list.GetStrings(anime), (TStringVector{"IMAGE1.BMP", "IMAGE2.BMP"}));
}

TEST(BmpAnimeTest, NoFramesShowAWhiteRectangleWithABlackOutline) {
    TBmpAnime anime(nullptr);
    Prepare(anime, 20, 16);
    anime.Repaint();
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 20; ++x) {
            const bool edge = x == 0 || y == 0 || x == 19 || y == 15;
            ASSERT_EQ(anime.Surface().Pixel(x, y), edge ? clBlack : clWhite) << x << ", " << y;
        }
    }
}

TEST(BmpAnimeTest, DrawsTheFrameIntoItsTargetRectangle) {
    struct Case {
        const char* what;
        int width, height, bw, bh;
        bool center, stretch;
        TRect target;
    };
    const Case cases[] = {
        {"top-left corner", 20, 16, 6, 4, false, false, Rect(0, 0, 6, 4)},
        {"centred", 20, 16, 6, 4, true, false, Rect(7, 6, 13, 10)},
        {"centred, odd differences", 21, 17, 6, 4, true, false, Rect(7, 6, 13, 10)},
        {"stretched", 20, 16, 6, 4, false, true, Rect(0, 0, 20, 16)},
        {"stretch wins over centre", 20, 16, 6, 4, true, true, Rect(0, 0, 20, 16)},
        {"centred, larger: -5 halves to -2", 20, 16, 25, 21, true, false, Rect(-2, -2, 23, 19)},
        {"centred, larger: -7 and -3 halve to -3 and -1", 20, 16, 27, 19, true, false, Rect(-3, -1, 24, 18)},
        {"corner, larger: cut by the edges", 20, 16, 25, 21, false, false, Rect(0, 0, 25, 21)},
        {"the main window's 61 x 43 into 46 x 33", 46, 33, 61, 43, false, true, Rect(0, 0, 46, 33)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TBmpAnime anime(nullptr);
        const TBitmap image = Pattern(c.bw, c.bh);
        AddFrame(anime, "F", image);
        Prepare(anime, c.width, c.height);
        anime.SetCenter(c.center);
        anime.SetStretch(c.stretch);
        anime.Repaint();
        const TRect r = c.target;
        for (int y = 0; y < c.height; ++y) {
            for (int x = 0; x < c.width; ++x) {
                const TColor got = anime.Surface().Pixel(x, y);
                if (!r.Contains(x, y)) {
                    ASSERT_EQ(got, kMarker) << "outside the frame at " << x << ", " << y;
                } else if (r.Width() == c.bw && r.Height() == c.bh) {
                    ASSERT_EQ(got, image.Pixel(x - r.Left, y - r.Top)) << x << ", " << y;
                } else {
                    ASSERT_EQ(GetBValue(got), 200) << "a frame pixel at " << x << ", " << y;
                }
            }
        }
        // Scaled or not, the frame's first pixel lands on the rectangle's corner.
        if (r.Left >= 0 && r.Top >= 0) {
            EXPECT_EQ(anime.Surface().Pixel(r.Left, r.Top), image.Pixel(0, 0));
        }
    }
}

TEST(BmpAnimeTest, AutoSizeFollowsTheFrameShown) {
    TBmpAnime anime(nullptr);
    AddFrame(anime, "small", Pattern(6, 4));
    AddFrame(anime, "large", Pattern(9, 7));
    Prepare(anime, 20, 16);
    anime.SetAutoSize(true);
    EXPECT_EQ(anime.BoundsRect(), Rect(0, 0, 6, 4));
    anime.NextFrame(nullptr);
    EXPECT_EQ(anime.BoundsRect(), Rect(0, 0, 9, 7));
    anime.NextFrame(nullptr);
    EXPECT_EQ(anime.BoundsRect(), Rect(0, 0, 6, 4));
}

TEST(BmpAnimeTest, AnIndexPastTheEndShowsTheFirstFrame) {
    TBmpAnime anime(nullptr);
    const TBitmap first = Pattern(4, 4, 100);
    AddFrame(anime, "1", first);
    AddFrame(anime, "2", Pattern(4, 4, 110));
    AddFrame(anime, "3", Pattern(4, 4, 120));
    Prepare(anime, 4, 4);
    anime.NextFrame(nullptr);
    anime.NextFrame(nullptr);
    ASSERT_EQ(anime.FrameIndex(), 2);
    anime.ImageList().Delete(2);
    anime.ImageList().Delete(1);
    anime.Repaint();
    EXPECT_EQ(anime.FrameIndex(), 0);
    EXPECT_EQ(anime.Surface().Pixel(3, 3), first.Pixel(3, 3));
}

TEST(BmpAnimeTest, EachTickShowsTheNextFrameAndWrapsAround) {
    struct Case {
        int frames;
        std::vector<int> indexes;  // after each tick
    };
    for (const Case& c : {Case{0, {0, 0, 0}}, Case{1, {0, 0, 0}}, Case{3, {1, 2, 0, 1}}}) {
        SCOPED_TRACE(c.frames);
        CountingAnime anime;
        for (int i = 0; i < c.frames; ++i) AddFrame(anime, "F", Pattern(3, 3, 10 * i));
        Prepare(anime, 3, 3);
        for (std::size_t t = 0; t < c.indexes.size(); ++t) {
            const int paints = anime.paints;
            anime.NextFrame(nullptr);
            EXPECT_EQ(anime.FrameIndex(), c.indexes[t]);
            EXPECT_EQ(anime.paints, paints + 1);  // repainted, changed or not
            if (c.frames > 0) {
                EXPECT_EQ(GetBValue(anime.Surface().Pixel(0, 0)), 10 * c.indexes[t]);
            }
        }
    }
}

TEST(BmpAnimeTest, WhichSettersRepaint) {
    struct Case {
        const char* what;
        void (*write)(TBmpAnime&);
        bool repaints;
    };
    const Case cases[] = {
        {"AutoSize unchanged", [](TBmpAnime& a) { a.SetAutoSize(false); }, true},
        {"Stretch unchanged", [](TBmpAnime& a) { a.SetStretch(false); }, true},
        {"Center unchanged", [](TBmpAnime& a) { a.SetCenter(false); }, false},
        {"Center changed", [](TBmpAnime& a) { a.SetCenter(true); }, true},
        {"ImageList", [](TBmpAnime& a) { a.SetImageList(TStringList()); }, true},
        {"Active", [](TBmpAnime& a) { a.SetActive(true); }, false},
        {"Active off", [](TBmpAnime& a) { a.SetActive(false); }, false},
        {"AnimationSpeed", [](TBmpAnime& a) { a.SetAnimationSpeed(40); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CountingAnime anime;
        Prepare(anime, 5, 5);
        anime.Update();
        const int paints = anime.paints;
        c.write(anime);
        EXPECT_EQ(anime.paints, paints + (c.repaints ? 1 : 0));
    }
}

TEST(BmpAnimeTest, ActiveSendsTheAnimationBackToItsFirstFrame) {
    CountingAnime anime;
    for (int i = 0; i < 3; ++i) AddFrame(anime, "F", Pattern(2, 2));
    Prepare(anime, 2, 2);
    anime.NextFrame(nullptr);
    anime.NextFrame(nullptr);
    const int paints = anime.paints;
    EXPECT_TRUE(anime.Active());  // a read goes back too, without repainting
    EXPECT_EQ(anime.FrameIndex(), 0);
    EXPECT_EQ(anime.paints, paints);
    anime.NextFrame(nullptr);
    anime.SetActive(false);
    EXPECT_EQ(anime.FrameIndex(), 0);
    EXPECT_FALSE(anime.FrameTimer().Running());
    EXPECT_FALSE(anime.Active());
}

TEST(BmpAnimeTest, TheTimerDrivesTheFrames) {
    CountingAnime anime;
    for (int i = 0; i < 3; ++i) AddFrame(anime, "F", Pattern(2, 2));
    Prepare(anime, 2, 2);
    anime.SetAnimationSpeed(5);
    EXPECT_TRUE(PumpUntil([&] { return anime.FrameIndex() == 2; }, 5000));
    EXPECT_TRUE(PumpUntil([&] { return anime.FrameIndex() == 0; }, 5000));
}

TEST(BmpAnimeTest, SpeedZeroOrNegativeGivesNoTicks) {
    for (int speed : {0, -1}) {
        SCOPED_TRACE(speed);
        CountingAnime anime;
        for (int i = 0; i < 3; ++i) AddFrame(anime, "F", Pattern(2, 2));
        Prepare(anime, 2, 2);
        anime.Update();
        anime.SetAnimationSpeed(speed);
        const int paints = anime.paints;
        Pump(60);
        EXPECT_EQ(anime.FrameIndex(), 0);
        EXPECT_EQ(anime.paints, paints);
        EXPECT_EQ(anime.AnimationSpeed(), speed);  // read back as given
        EXPECT_EQ(anime.FrameTimer().Interval(), static_cast<std::uint32_t>(speed));
        EXPECT_TRUE(anime.Active());
    }
}

}  // namespace
}  // namespace tresilva::test
