// The timer: ticks on the event loop, and none while disabled, at interval 0
// or at an interval beyond what Qt can time.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <limits>
#include <stdexcept>
#include <string>

#include "platform/ui/ErrorDisplay.h"
#include "platform/ui/Properties.h"
#include "platform/ui/Timer.h"

namespace tresilva::test {
namespace {

// Runs the event loop for about `ms` milliseconds.
void Pump(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// Runs the event loop until `done` or a generous bound.
template <class F>
bool PumpUntil(F done, int boundMs = 5000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < boundMs) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

TEST(TimerTest, TicksWhileEnabled) {
    TTimer timer(nullptr);
    EXPECT_EQ(timer.Interval(), 1000u);
    EXPECT_TRUE(timer.Enabled());
    int ticks = 0;
    TObject* sender = nullptr;
    timer.SetInterval(5);
    timer.SetOnTimer([&](TObject* s) {
        ++ticks;
        sender = s;
    });
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
    EXPECT_EQ(sender, &timer);
    timer.SetEnabled(false);
    EXPECT_FALSE(timer.Running());
    const int stopped = ticks;
    Pump(40);
    EXPECT_EQ(ticks, stopped);
}

TEST(TimerTest, NoTickAtIntervalZeroOrBeyondQtsRange) {
    struct Case {
        std::uint32_t interval;
    };
    for (const Case c : {Case{0}, Case{0x80000000u}, Case{std::numeric_limits<std::uint32_t>::max()}}) {
        SCOPED_TRACE(c.interval);
        TTimer timer(nullptr);
        int ticks = 0;
        timer.SetOnTimer([&](TObject*) { ++ticks; });
        timer.SetInterval(c.interval);
        EXPECT_EQ(timer.Interval(), c.interval);  // stored exactly
        EXPECT_FALSE(timer.Running());
        Pump(30);
        EXPECT_EQ(ticks, 0);
    }
    // The largest interval Qt can time still runs.
    TTimer timer(nullptr);
    timer.SetOnTimer([](TObject*) {});
    timer.SetInterval(static_cast<std::uint32_t>(std::numeric_limits<int>::max()));
    EXPECT_TRUE(timer.Running());
}

TEST(TimerTest, ADisabledTimerNeverTicksAndStartsWhenEnabled) {
    TTimer timer(nullptr);
    timer.SetEnabled(false);
    int ticks = 0;
    timer.SetOnTimer([&](TObject*) { ++ticks; });
    timer.SetInterval(5);
    Pump(40);
    EXPECT_EQ(ticks, 0);
    timer.SetEnabled(true);
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 1; }));
}

TEST(TimerTest, AnIntervalReadFromALayoutIsUnsigned) {
    TTimer timer(nullptr);
    SetOrdProp(timer, "Interval", -1);  // a signed speed handed to the timer
    EXPECT_EQ(timer.Interval(), 0xFFFFFFFFu);
    EXPECT_EQ(GetOrdProp(timer, "Interval"), 0xFFFFFFFF);
    EXPECT_FALSE(timer.Running());
}

TEST(TimerTest, AnErrorInATickGoesToTheErrorDisplay) {
    std::string shown;
    const auto previous = SetExceptionHandler([&](const std::exception& e) { shown = e.what(); });
    {
        TTimer timer(nullptr);
        timer.SetInterval(5);
        int ticks = 0;
        timer.SetOnTimer([&](TObject*) {
            ++ticks;
            throw std::runtime_error("Division par z\xC3\xA9ro");
        });
        EXPECT_TRUE(PumpUntil([&] { return ticks >= 2; }));  // and it goes on ticking
    }
    SetExceptionHandler(previous);
    EXPECT_EQ(shown, "Division par z\xC3\xA9ro");
}

}  // namespace
}  // namespace tresilva::test
