// The screen's cursor table and the pointer shown over controls.
#include <gtest/gtest.h>

#include <QApplication>
#include <QBitmap>
#include <QMouseEvent>
#include <QWidget>

#include "platform/ui/Cursors.h"
#include "platform/ui/QtCursors.h"
#include "tests/platform/ui/Probes.h"

namespace tresilva::test {
namespace {

TCursorHandle Arrowhead(int hotX, int hotY) {
    auto image = std::make_unique<TCursorImage>();
    image->AndMask.fill(0xFF);  // transparent everywhere...
    for (int y = 0; y < 8; ++y) image->AndMask[static_cast<std::size_t>(y * 4)] = static_cast<std::uint8_t>(0xFF >> (y + 1));
    image->XorMask[0] = 0x80;  // ...but a black wedge with one white pixel
    image->HotSpotX = hotX;
    image->HotSpotY = hotY;
    return image;
}

TEST(CursorTest, TheTableStoresReplacesAndRemovesByNumber) {
    TScreen screen;
    screen.SetCursor(-1018, Arrowhead(11, 3));
    ASSERT_TRUE(screen.HasCursor(-1018));
    EXPECT_EQ(screen.Cursor(-1018)->HotSpotX, 11);
    EXPECT_FALSE(screen.Cursor(-1018)->AndBit(0, 0));
    EXPECT_TRUE(screen.Cursor(-1018)->XorBit(0, 0));
    EXPECT_TRUE(screen.Cursor(-1018)->AndBit(31, 31));
    EXPECT_FALSE(screen.Cursor(-1018)->AndBit(32, 0));  // outside the image: nothing

    screen.SetCursor(-1018, Arrowhead(29, 11));  // the old one is destroyed first
    EXPECT_EQ(screen.Cursor(-1018)->HotSpotX, 29);
    screen.SetCursor(-1018, nullptr);  // an empty handle leaves no entry
    EXPECT_FALSE(screen.HasCursor(-1018));
    EXPECT_EQ(screen.Cursor(5), nullptr);
}

TEST(CursorTest, NumbersGiveTheirShapesAndUnknownOnesTheArrow) {
    Screen().SetCursor(-1019, Arrowhead(29, 11));
    const QCursor hand = QtCursorFor(-1019);
    EXPECT_EQ(hand.shape(), Qt::BitmapCursor);
    EXPECT_EQ(hand.hotSpot(), QPoint(29, 11));
    EXPECT_EQ(hand.bitmap().size(), QSize(32, 32));
    // Pixel (0, 0) is opaque white, (0, 1) opaque black, (31, 31) transparent.
    const QImage bits = hand.bitmap().toImage().convertToFormat(QImage::Format_Mono);
    const QImage mask = hand.mask().toImage().convertToFormat(QImage::Format_Mono);
    EXPECT_EQ(qGray(mask.pixel(0, 0)), 0);  // color1: opaque
    EXPECT_EQ(qGray(bits.pixel(0, 0)), 255);
    EXPECT_EQ(qGray(bits.pixel(0, 1)), 0);
    EXPECT_EQ(qGray(mask.pixel(31, 31)), 255);

    EXPECT_EQ(QtCursorFor(-5000).shape(), Qt::ArrowCursor);
    EXPECT_EQ(QtCursorFor(crDefault).shape(), Qt::ArrowCursor);
    EXPECT_EQ(QtCursorFor(crHandPoint).shape(), Qt::PointingHandCursor);
    EXPECT_EQ(QtCursorFor(crIBeam).shape(), Qt::IBeamCursor);
    Screen().SetCursor(-1019, nullptr);
    EXPECT_EQ(QtCursorFor(-1019).shape(), Qt::ArrowCursor);

    TCursor n = 0;
    EXPECT_TRUE(CursorFromName("CRHANDPOINT", n));
    EXPECT_EQ(n, crHandPoint);
    EXPECT_FALSE(CursorFromName("crHand", n));
    EXPECT_EQ(CursorName(crSizeAll), "crSizeAll");
}

TEST(CursorTest, AControlShowsItsCursorUnderThePointer) {
    Screen().SetCursor(-1018, Arrowhead(11, 3));
    Host host(40, 20, clWhite);
    host.SetCursor(crCross);
    FillControl key(&host, Bounds(10, 5, 10, 10), clRed);
    key.SetCursor(-1018);
    FillControl plain(&host, Bounds(25, 5, 10, 10), clRed);  // crDefault: the window's own
    host.Realise();
    QWidget* w = host.Widget();
    ASSERT_NE(w, nullptr);
    auto move = [&](int x, int y) {
        QMouseEvent e(QEvent::MouseMove, QPointF(x, y), w->mapToGlobal(QPointF(x, y)), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    };
    move(12, 7);
    EXPECT_EQ(w->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(w->cursor().hotSpot(), QPoint(11, 3));
    move(27, 7);
    EXPECT_EQ(w->cursor().shape(), Qt::CrossCursor);
    key.Hide();  // a hidden control shows nothing, its pointer neither
    move(12, 7);
    EXPECT_EQ(w->cursor().shape(), Qt::CrossCursor);
    Screen().SetCursor(-1018, nullptr);
}

}  // namespace
}  // namespace tresilva::test
