// The display side: what the widget shows, where the mouse goes, and errors
// caught at the boundary.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/ui/ErrorDisplay.h"
#include "tests/platform/ui/Probes.h"

namespace tresilva::test {
namespace {

class DisplayTest : public testing::Test {
protected:
    DisplayTest() : host(60, 30, clWhite) {
        host.SetOnClick([this](TObject*) { log.push_back("host click"); });
    }

    // A control that logs what reaches it.
    FillControl& Add(const char* name, TRect bounds) {
        auto* c = new FillControl(&host, bounds, clRed);
        c->SetName(name);
        c->SetOnClick([this, c](TObject* s) { log.push_back(c->Name() + (s == c ? " click" : " ?")); });
        c->SetOnMouseDown([this, c](TObject*, TMouseButton b, TShiftState, int x, int y) {
            log.push_back(c->Name() + " down " + std::to_string(b) + " " + std::to_string(x) + "," + std::to_string(y));
        });
        c->SetOnMouseUp([this, c](TObject*, TMouseButton, TShiftState, int x, int y) {
            log.push_back(c->Name() + " up " + std::to_string(x) + "," + std::to_string(y));
        });
        return *c;
    }

    QWidget* Widget() {
        host.Realise();
        return host.Widget();
    }

    void Send(QEvent::Type type, int x, int y, Qt::MouseButton button = Qt::LeftButton) {
        QWidget* w = Widget();
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent e(type, QPointF(x, y), w->mapToGlobal(QPointF(x, y)), button, held, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    void ClickAt(int x, int y) {
        Send(QEvent::MouseButtonPress, x, y);
        Send(QEvent::MouseButtonRelease, x, y);
    }

    Host host;
    std::vector<std::string> log;
};

TEST_F(DisplayTest, TheWidgetShowsTheSurfacePixelForPixel) {
    FillControl a(&host, Bounds(0, 0, 10, 10), 0x0000FF);
    FillControl b(&host, Bounds(10, 0, 10, 10), 0x00FF00);
    FillControl c(&host, Bounds(20, 0, 10, 10), 0x123456);
    QWidget* w = Widget();
    ASSERT_NE(w, nullptr);
    host.Update();
    const QImage shown = w->grab().toImage();
    ASSERT_GE(shown.width(), 30);
    const qreal scale = shown.devicePixelRatio();
    auto at = [&](int x, int y) { return shown.pixel(static_cast<int>(x * scale), static_cast<int>(y * scale)); };
    EXPECT_EQ(at(5, 5), qRgb(0xFF, 0, 0));
    EXPECT_EQ(at(15, 5), qRgb(0, 0xFF, 0));
    EXPECT_EQ(at(25, 5), qRgb(0x56, 0x34, 0x12));
    EXPECT_EQ(at(45, 20), qRgb(0xFF, 0xFF, 0xFF));
}

TEST_F(DisplayTest, AClickGoesToTheTopmostVisibleEnabledControl) {
    Add("under", Bounds(0, 0, 40, 20));
    FillControl& over = Add("over", Bounds(10, 5, 10, 10));
    ClickAt(12, 7);
    EXPECT_EQ(log, (std::vector<std::string>{"over down 0 2,2", "over click", "over up 2,2"}));

    log.clear();
    over.SetEnabled(false);
    ClickAt(12, 7);
    EXPECT_EQ(log, (std::vector<std::string>{"under down 0 12,7", "under click", "under up 12,7"}));

    log.clear();
    over.SetEnabled(true);
    over.Hide();
    ClickAt(12, 7);
    EXPECT_EQ(log.at(1), "under click");

    log.clear();
    ClickAt(50, 25);  // nothing there: the window itself
    EXPECT_EQ(log, (std::vector<std::string>{"host click"}));
}

TEST_F(DisplayTest, PressAndReleaseMustBeOnTheSameControl) {
    Add("a", Bounds(0, 0, 10, 10));
    Add("b", Bounds(20, 0, 10, 10));
    Send(QEvent::MouseButtonPress, 5, 5);
    Send(QEvent::MouseButtonRelease, 25, 5);  // the pressed one hears the release, no click
    EXPECT_EQ(log, (std::vector<std::string>{"a down 0 5,5", "a up 25,5"}));

    log.clear();
    Send(QEvent::MouseButtonPress, 5, 5, Qt::RightButton);
    Send(QEvent::MouseButtonRelease, 5, 5, Qt::RightButton);  // only the left button clicks
    EXPECT_EQ(log, (std::vector<std::string>{"a down 1 5,5", "a up 5,5"}));
}

TEST_F(DisplayTest, ADoubleClickClicksOnceThenDoubleClicks) {
    FillControl& a = Add("a", Bounds(0, 0, 10, 10));
    a.SetOnDblClick([this](TObject*) { log.push_back("a dblclick"); });
    ClickAt(3, 3);
    Send(QEvent::MouseButtonDblClick, 3, 3);
    Send(QEvent::MouseButtonRelease, 3, 3);
    EXPECT_EQ(log, (std::vector<std::string>{"a down 0 3,3", "a click", "a up 3,3", "a dblclick", "a down 0 3,3",
                                             "a up 3,3"}));
}

TEST_F(DisplayTest, AControlFreedByItsOwnClickIsNotCalledAgain) {
    FillControl& a = Add("a", Bounds(0, 0, 10, 10));
    a.SetOnClick([&a](TObject*) { delete &a; });
    ClickAt(3, 3);
    EXPECT_EQ(host.ControlCount(), 0);
}

TEST_F(DisplayTest, ErrorsInHandlersStopAtTheBoundary) {
    std::vector<std::string> shown;
    const auto previous = SetExceptionHandler([&](const std::exception& e) { shown.push_back(e.what()); });
    FillControl& a = Add("a", Bounds(0, 0, 10, 10));
    a.SetOnClick([](TObject*) { throw std::runtime_error("Index liste hors bornes"); });
    ClickAt(3, 3);
    // The paint of a failing control is caught too.
    a.extra = [](FillControl&) { throw std::runtime_error("Image bitmap incorrecte"); };
    host.Invalidate();
    Widget()->grab();  // paints the widget
    SetExceptionHandler(previous);
    ASSERT_GE(shown.size(), 2u);
    EXPECT_EQ(shown[0], "Index liste hors bornes");
    EXPECT_EQ(shown[1], "Image bitmap incorrecte");
    // The rest of the failing event is skipped; the program goes on.
    EXPECT_EQ(log.back(), "a down 0 3,3");
    log.clear();
    a.SetOnClick(nullptr);
    ClickAt(3, 3);
    EXPECT_EQ(log.back(), "a up 3,3");
}

}  // namespace
}  // namespace tresilva::test
