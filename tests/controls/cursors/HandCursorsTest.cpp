// The hand cursors: decoded from the program's resources into the cursor
// table before any application object exists, with their hot spots, and
// shown over a control that names them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QMouseEvent>
#include <QWidget>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <vector>

#include "controls/cursors/CursorFile.h"
#include "controls/cursors/HandCursors.h"
#include "platform/ui/Cursors.h"
#include "platform/ui/GraphicControl.h"
#include "platform/ui/QtCursors.h"
#include "platform/ui/WinControl.h"

namespace tresilva::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

bool registeredBeforeTheApplication = false;

// The program registers its hands before it makes its application object;
// so does this test program.
class StartUp : public testing::Environment {
public:
    void SetUp() override {
        if (!QCoreApplication::instance()) {
            RegisterHandCursors();
            registeredBeforeTheApplication = Screen().HasCursor(crTopHand) && Screen().HasCursor(crRightHand) &&
                                             Screen().HasCursor(crLeftHand);
            static int argc = 1;
            static char name[] = "cursors_test";
            static char* argv[] = {name, nullptr};
            new QApplication(argc, argv);  // lives until the process ends
        }
    }
};
[[maybe_unused]] testing::Environment* const environment = testing::AddGlobalTestEnvironment(new StartUp);

Bytes ReadAsset(const char* name) {
    std::ifstream in(std::filesystem::path(TRESILVA_SOURCE_DIR) / "assets" / "cursors" / name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(HandCursorsTest, RegistrationNeedsNoApplicationObject) { EXPECT_TRUE(registeredBeforeTheApplication); }

// Each number holds its file's image, as Qt's own cursor-file reader sees
// it, with the hot spot at the fingertip.
TEST(HandCursorsTest, TheThreeHandsHoldTheirImagesAndHotSpots) {
    struct Case {
        TCursor number;
        const char* file;
        int hotX, hotY;
    };
    RegisterHandCursors();
    for (const Case& c : {Case{-1018, "tophand.cur", 11, 3}, Case{-1019, "righthand.cur", 29, 11},
                          Case{-1020, "lefthand.cur", 1, 11}}) {
        SCOPED_TRACE(c.file);
        const TCursorImage* image = Screen().Cursor(c.number);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->HotSpotX, c.hotX);
        EXPECT_EQ(image->HotSpotY, c.hotY);

        Bytes file = ReadAsset(c.file);
        QByteArray data(reinterpret_cast<const char*>(file.data()), static_cast<qsizetype>(file.size()));
        QBuffer buffer(&data);
        QImageReader reader(&buffer, "cur");
        const QImage reference = reader.read().convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(reference.isNull()) << reader.errorString().toStdString();
        ASSERT_EQ(reference.size(), QSize(32, 32));
        int white = 0;
        int black = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const QRgb q = reference.pixel(x, y);
                const bool opaque = qAlpha(q) == 255;
                ASSERT_EQ(image->AndBit(x, y), !opaque) << x << ", " << y;
                if (opaque) {
                    ASSERT_EQ(image->XorBit(x, y), qGray(q) > 127) << x << ", " << y;
                    (image->XorBit(x, y) ? white : black) += 1;
                } else {
                    ASSERT_FALSE(image->XorBit(x, y)) << x << ", " << y;
                }
            }
        }
        EXPECT_GT(white, 100);  // a white hand...
        EXPECT_GT(black, 50);   // ...with a black outline
        EXPECT_TRUE(!image->AndBit(c.hotX, c.hotY));  // the fingertip is part of the hand
        EXPECT_EQ(QtCursorFor(c.number).hotSpot(), QPoint(c.hotX, c.hotY));
        EXPECT_EQ(QtCursorFor(c.number).bitmap().size(), QSize(32, 32));
    }
}

TEST(HandCursorsTest, AMissingOrDamagedResourceLeavesNoEntry) {
    RegisterHandCursors();
    ASSERT_TRUE(Screen().HasCursor(-1019));
    RegisterCursorResource(-1019, "NoSuchHand");
    EXPECT_FALSE(Screen().HasCursor(-1019));
    EXPECT_EQ(QtCursorFor(-1019).shape(), Qt::ArrowCursor);
    RegisterCursorResource(-1019, "rIgHtHaNd");  // names match without regard to case
    EXPECT_TRUE(Screen().HasCursor(-1019));
}

TEST(HandCursorsTest, OnlyAMonochrome32By32CursorFileDecodes) {
    const Bytes good = ReadAsset("tophand.cur");
    ASSERT_EQ(good.size(), 326u);
    ASSERT_NE(DecodeCursorFile(good), nullptr);
    struct Case {
        const char* what;
        std::function<void(Bytes&)> damage;
    };
    const Case cases[] = {
        {"empty", [](Bytes& b) { b.clear(); }},
        {"cut short", [](Bytes& b) { b.resize(300); }},
        {"an icon, not a cursor", [](Bytes& b) { b[2] = 1; }},
        {"no image", [](Bytes& b) { b[4] = 0; }},
        {"16 pixels wide", [](Bytes& b) { b[6] = 16; }},
        {"image offset past the end", [](Bytes& b) { b[18] = 0xFF; }},
        {"image size past the end", [](Bytes& b) { b[15] = 0x10; }},
        {"hot spot outside", [](Bytes& b) { b[10] = 32; }},
        {"4 bits a pixel", [](Bytes& b) { b[22 + 14] = 4; }},
        {"compressed", [](Bytes& b) { b[22 + 16] = 1; }},
        {"one mask only", [](Bytes& b) { b[22 + 8] = 32; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes b = good;
        c.damage(b);
        EXPECT_EQ(DecodeCursorFile(b), nullptr);
    }
}

class Spot : public TGraphicControl {
public:
    Spot(TWinControl* parent, TCursor cursor, int left) : TGraphicControl(parent) {
        SetBounds(left, 0, 10, 10);
        SetCursor(cursor);
        SetParent(parent);
    }
};

TEST(HandCursorsTest, AControlShowsTheHandItNamesAndAnUnknownNumberTheArrow) {
    RegisterHandCursors();
    TWinControl host(nullptr);
    host.SetBounds(0, 0, 40, 10);
    new Spot(&host, crTopHand, 0);
    new Spot(&host, -1234, 10);
    new Spot(&host, crLeftHand, 20);
    host.Realise();
    QWidget* w = host.Widget();
    ASSERT_NE(w, nullptr);
    auto move = [&](int x, int y) {
        QMouseEvent e(QEvent::MouseMove, QPointF(x, y), w->mapToGlobal(QPointF(x, y)), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    };
    move(5, 5);
    EXPECT_EQ(w->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(w->cursor().hotSpot(), QPoint(11, 3));
    move(15, 5);
    EXPECT_EQ(w->cursor().shape(), Qt::ArrowCursor);
    move(25, 5);
    EXPECT_EQ(w->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(w->cursor().hotSpot(), QPoint(1, 11));
}

}  // namespace
}  // namespace tresilva::test
