// The painting model on in-memory surfaces: composition, clipping, immediate
// repaints, direct paints and invalidation.
#include <gtest/gtest.h>

#include "platform/Errors.h"
#include "platform/gfx/Picture.h"
#include "platform/ui/Image.h"
#include "tests/platform/ui/Probes.h"

namespace tresilva::test {
namespace {

constexpr TColor kBack = 0x102030;
constexpr TColor kRed = 0x0000FF;
constexpr TColor kBlue = 0xFF0000;
constexpr TColor kGreen = 0x00FF00;

class PaintingTest : public testing::Test {
protected:
    PaintingTest() : host(20, 10, kBack) {}
    void Realise() {
        host.Realise();
        host.Update();
    }
    Host host;
};

TEST_F(PaintingTest, ChildrenPaintInZOrderOverTheBackground) {
    FillControl below(&host, Bounds(2, 2, 8, 4), kRed);
    FillControl above(&host, Bounds(6, 3, 8, 4), kBlue);
    host.PaintArea(host.ClientRect());

    EXPECT_EQ(host.Surface().Pixel(0, 0), kBack);
    EXPECT_EQ(host.Surface().Pixel(3, 3), kRed);
    EXPECT_EQ(host.Surface().Pixel(7, 4), kBlue);   // overlap: the later one wins
    EXPECT_EQ(host.Surface().Pixel(13, 6), kBlue);
    EXPECT_EQ(host.Surface().Pixel(14, 6), kBack);  // right edge is exclusive

    host.BringToFront(&below);
    host.PaintArea(host.ClientRect());
    EXPECT_EQ(host.Surface().Pixel(7, 4), kRed);
}

TEST_F(PaintingTest, WritesAreClippedToTheControlAndTheAreaReadsAreNot) {
    FillControl neighbour(&host, Bounds(0, 0, 4, 10), kGreen);
    FillControl probe(&host, Bounds(4, 2, 6, 4), kRed);
    TColor readLeft = 0, readOutside = 0;
    probe.extra = [&](FillControl& self) {
        TCanvas& c = self.Canvas();
        // Writes everywhere around the control...
        for (int y = -3; y < 8; ++y)
            for (int x = -3; x < 10; ++x) c.SetPixel(x, y, kBlue);
        // ...and reads beyond it: the neighbour's pixels and past the surface.
        readLeft = c.Pixel(-1, 0);
        readOutside = c.Pixel(-10, -10);
    };
    host.PaintArea(host.ClientRect());
    EXPECT_EQ(readLeft, kGreen);
    EXPECT_EQ(readOutside, CLR_INVALID);
    EXPECT_EQ(host.Surface().Pixel(3, 2), kGreen);
    EXPECT_EQ(host.Surface().Pixel(4, 1), kBack);
    EXPECT_EQ(host.Surface().Pixel(10, 2), kBack);
    EXPECT_EQ(host.Surface().Pixel(4, 2), kBlue);
    EXPECT_EQ(host.Surface().Pixel(9, 5), kBlue);

    // Repainting part of the control writes only inside that part.
    probe.color_ = kRed;
    probe.extra = nullptr;
    host.PaintArea(Rect(6, 3, 8, 4));
    EXPECT_EQ(probe.clips.back(), Rect(6, 3, 8, 4));
    EXPECT_EQ(host.Surface().Pixel(6, 3), kRed);
    EXPECT_EQ(host.Surface().Pixel(5, 3), kBlue);
    EXPECT_EQ(host.Surface().Pixel(8, 3), kBlue);
}

TEST_F(PaintingTest, ImmediateRepaintRecomposesBeneathAndAbove) {
    FillControl base(&host, Bounds(0, 0, 20, 10), kRed);
    InvertControl shade(&host, Bounds(2, 2, 10, 6));
    FillControl top(&host, Bounds(8, 4, 8, 2), kGreen);
    Realise();
    const TBitmap first = host.Surface();
    EXPECT_EQ(first.Pixel(3, 3), kRed ^ 0xFFFFFF);
    const int basePaints = base.paints, topPaints = top.paints;

    // Twice in a row: the inverter always reads a freshly painted base, never its own output.
    shade.Repaint();
    shade.Repaint();
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x) ASSERT_EQ(host.Surface().Pixel(x, y), first.Pixel(x, y)) << x << "," << y;
    EXPECT_EQ(base.paints, basePaints + 2);
    EXPECT_EQ(top.paints, topPaints + 2);
    EXPECT_EQ(base.clips.back(), shade.BoundsRect());
    EXPECT_EQ(top.clips.back(), Intersect(top.BoundsRect(), shade.BoundsRect()));
    EXPECT_TRUE(host.PendingBounds().IsEmpty());
}

TEST_F(PaintingTest, AHiddenControlIsNotPaintedAndItsAreaIsRepaintedWithoutIt) {
    FillControl base(&host, Bounds(0, 0, 20, 10), kRed);
    FillControl key(&host, Bounds(5, 5, 4, 4), kBlue);
    Realise();
    EXPECT_EQ(host.Surface().Pixel(6, 6), kBlue);

    const int keyPaints = key.paints;
    key.Hide();
    EXPECT_EQ(host.PendingBounds(), key.BoundsRect());  // only marked
    EXPECT_EQ(host.Surface().Pixel(6, 6), kBlue);
    host.Update();
    EXPECT_EQ(host.Surface().Pixel(6, 6), kRed);
    key.Repaint();  // a hidden control's repaint paints nothing of it
    host.Update();
    EXPECT_EQ(key.paints, keyPaints);

    key.Show();
    host.Update();
    EXPECT_EQ(host.Surface().Pixel(6, 6), kBlue);
}

TEST_F(PaintingTest, AHostThatIsNotRealisedOnlyInvalidates) {
    FillControl key(&host, Bounds(1, 1, 3, 3), kBlue);
    key.Repaint();
    host.Update();
    EXPECT_EQ(key.paints, 0);
    EXPECT_EQ(host.Surface().Pixel(2, 2), clWhite);  // a new surface is white
    EXPECT_EQ(host.PendingBounds(), host.ClientRect());
    Realise();
    EXPECT_EQ(key.paints, 1);
    EXPECT_EQ(host.Surface().Pixel(2, 2), kBlue);
}

TEST_F(PaintingTest, ADirectPaintRecomposesNothing) {
    FillControl base(&host, Bounds(0, 0, 20, 10), kRed);
    FillControl mosaic(&host, Bounds(2, 2, 10, 6), kBlue);
    FillControl above(&host, Bounds(4, 4, 2, 2), kGreen);
    Realise();
    const int basePaints = base.paints, abovePaints = above.paints;
    mosaic.color_ = kBack;
    mosaic.DirectPaint();
    EXPECT_EQ(base.paints, basePaints);
    EXPECT_EQ(above.paints, abovePaints);
    EXPECT_EQ(mosaic.clips.back(), mosaic.BoundsRect());
    EXPECT_EQ(host.Surface().Pixel(4, 4), kBack);  // drawn over the control above, until its area is repainted
    EXPECT_EQ(host.Surface().Pixel(1, 1), kRed);
    EXPECT_TRUE(host.PendingBounds().IsEmpty());
}

TEST_F(PaintingTest, ASizeChangeInsidePaintOnlyInvalidates) {
    FillControl base(&host, Bounds(0, 0, 20, 10), kRed);
    FillControl growing(&host, Bounds(2, 2, 4, 4), kBlue);
    Realise();
    growing.extra = [](FillControl& self) {
        if (self.Width() < 8) self.SetWidth(8);
        self.Repaint();  // asked for during a paint: only marked
    };
    const int paints = growing.paints;
    growing.Repaint();
    EXPECT_EQ(growing.paints, paints + 1);
    EXPECT_EQ(growing.Width(), 8);
    EXPECT_EQ(host.PendingBounds(), Bounds(2, 2, 8, 4));
    EXPECT_EQ(host.Surface().Pixel(7, 3), kRed);
    host.Update();
    EXPECT_EQ(host.Surface().Pixel(7, 3), kBlue);
    EXPECT_EQ(growing.paints, paints + 2);
}

TEST_F(PaintingTest, AClearBrushLeavesTheSurfaceUnderTheChildren) {
    host.SetBrushStyle(bsClear);
    Realise();
    EXPECT_EQ(host.backgrounds, 1);
    EXPECT_EQ(host.Surface().Pixel(0, 0), clWhite);
}

TEST_F(PaintingTest, ResizingTheHostReallocatesTheSurfaceAndInvalidatesIt) {
    Realise();
    host.SetBounds(0, 0, 30, 12);
    EXPECT_EQ(host.Surface().Width(), 30);
    EXPECT_EQ(host.Surface().Height(), 12);
    EXPECT_EQ(host.PendingBounds(), Rect(0, 0, 30, 12));
    host.Update();
    EXPECT_EQ(host.Surface().Pixel(29, 11), kBack);
}

TEST_F(PaintingTest, PixelAccessOutsideTheSurfaceIsHarmless) {
    FillControl edge(&host, Bounds(15, 5, 10, 10), kRed);  // reaches past the surface
    TColor read = 0;
    edge.extra = [&](FillControl& self) {
        TCanvas& c = self.Canvas();
        c.SetPixel(9, 9, kBlue);
        c.SetPixel(-100, -100, kBlue);
        read = c.Pixel(5, 5);
    };
    Realise();
    EXPECT_EQ(read, CLR_INVALID);
    EXPECT_EQ(host.Surface().Pixel(19, 9), kRed);
}

TEST_F(PaintingTest, ACanvasWithoutParentIsAnError) {
    FillControl orphan(&host, Bounds(0, 0, 2, 2), kRed);
    orphan.SetParent(nullptr);
    orphan.SetName("Label1");
    try {
        orphan.Canvas();
        FAIL() << "no error";
    } catch (const EInvalidOperation& e) {
        EXPECT_STREQ(e.what(), "Le contr\xC3\xB4le 'Label1' n'a pas de fen\xC3\xAAtre parente");
    }
}

TEST_F(PaintingTest, MovingAControlRepaintsBothPlaces) {
    FillControl key(&host, Bounds(0, 0, 3, 3), kBlue);
    Realise();
    key.SetLeft(10);
    EXPECT_EQ(host.PendingBounds(), Rect(0, 0, 13, 3));
    host.Update();
    EXPECT_EQ(host.Surface().Pixel(1, 1), kBack);
    EXPECT_EQ(host.Surface().Pixel(11, 1), kBlue);
}

TEST_F(PaintingTest, AlignedChildrenShareTheClientArea) {
    FillControl top(&host, Bounds(0, 0, 5, 3), kRed);
    FillControl left(&host, Bounds(0, 0, 4, 5), kGreen);
    FillControl rest(&host, Bounds(0, 0, 1, 1), kBlue);
    top.SetAlign(alTop);
    left.SetAlign(alLeft);
    rest.SetAlign(alClient);
    EXPECT_EQ(top.BoundsRect(), Rect(0, 0, 20, 3));
    EXPECT_EQ(left.BoundsRect(), Rect(0, 3, 4, 10));
    EXPECT_EQ(rest.BoundsRect(), Rect(4, 3, 20, 10));
    host.SetBounds(0, 0, 30, 20);
    EXPECT_EQ(rest.BoundsRect(), Rect(4, 3, 30, 20));
}

// A self-painting window draws first; its windowless children over it.
class SelfPainted : public TCustomControl {
public:
    explicit SelfPainted(TComponent* owner) : TCustomControl(owner) { SetBounds(0, 0, 6, 6); }
    int paints = 0;

protected:
    void Paint() override {
        ++paints;
        Canvas().Brush().Color = kGreen;
        Canvas().FillRect(ClientRect());
    }
};

TEST_F(PaintingTest, ACustomControlPaintsItselfUnderItsChildren) {
    SelfPainted window(nullptr);
    FillControl child(&window, Bounds(1, 1, 2, 2), kRed);
    window.Realise();
    window.Update();
    EXPECT_EQ(window.paints, 1);
    EXPECT_EQ(window.Surface().Pixel(0, 0), kGreen);
    EXPECT_EQ(window.Surface().Pixel(1, 1), kRed);
    window.Repaint();  // the immediate repaint of a window
    EXPECT_EQ(window.paints, 2);
    EXPECT_TRUE(window.PendingBounds().IsEmpty());
}

TEST_F(PaintingTest, AnImageTakesItsPicturesSizeAndDrawsIt) {
    TImage image(&host);
    image.SetParent(&host);
    image.SetBounds(2, 1, 10, 8);
    TPicture picture;
    picture.SetBitmap(TBitmap(3, 2));
    picture.Bitmap().SetPixel(2, 1, kRed);
    image.SetPicture(picture);
    EXPECT_EQ(image.BoundsRect(), Bounds(2, 1, 10, 8));  // AutoSize is off
    image.SetAutoSize(true);
    EXPECT_EQ(image.BoundsRect(), Bounds(2, 1, 3, 2));
    Realise();
    EXPECT_EQ(host.Surface().Pixel(4, 2), kRed);
    EXPECT_EQ(host.Surface().Pixel(3, 2), clWhite);

    image.SetAutoSize(false);
    image.SetBounds(0, 0, 6, 4);
    image.SetStretch(true);  // each picture pixel becomes 2 x 2
    host.Update();
    EXPECT_EQ(host.Surface().Pixel(4, 2), kRed);
    EXPECT_EQ(host.Surface().Pixel(5, 3), kRed);
    EXPECT_EQ(host.Surface().Pixel(3, 3), clWhite);
    EXPECT_EQ(host.Surface().Pixel(6, 3), kBack);
}

TEST_F(PaintingTest, ACustomControlDrawingOutsideAPaintWritesItsWholeWindow) {
    SelfPainted window(nullptr);
    window.Realise();
    window.Update();
    window.Canvas().Brush().Color = kBlue;
    window.Canvas().FillRect(Rect(-5, -5, 50, 50));
    EXPECT_EQ(window.Surface().Pixel(5, 5), kBlue);
    EXPECT_EQ(window.Canvas().Pixel(6, 6), CLR_INVALID);
    EXPECT_EQ(window.paints, 1);
}

}  // namespace
}  // namespace tresilva::test
