#include "platform/ui/Timer.h"

#include <QCoreApplication>
#include <QTimer>
#include <limits>

#include "platform/Errors.h"
#include "platform/ui/ErrorDisplay.h"
#include "platform/ui/Properties.h"

namespace tresilva {

struct TTimer::Clock {
    std::unique_ptr<QTimer> timer;
};

TTimer::TTimer(TComponent* owner) : TComponent(owner), clock_(std::make_unique<Clock>()) {}

TTimer::~TTimer() {
    if (clock_->timer) clock_->timer->stop();
}

void TTimer::SetInterval(std::uint32_t milliseconds) {
    if (milliseconds == interval_) return;
    interval_ = milliseconds;
    UpdateTimer();
}

void TTimer::SetEnabled(bool value) {
    if (value == enabled_) return;
    enabled_ = value;
    UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
    onTimer_ = std::move(handler);
    UpdateTimer();
}

bool TTimer::Running() const { return clock_->timer && clock_->timer->isActive(); }

void TTimer::UpdateTimer() {
    if (clock_->timer) clock_->timer->stop();
    // Qt times at most a signed 32-bit count of milliseconds; beyond it the
    // timer never ticks (the interval is still stored as given).
    if (!enabled_ || interval_ == 0 || !onTimer_) return;
    if (interval_ > static_cast<std::uint32_t>(std::numeric_limits<int>::max())) return;
    // Before the application object exists there is no loop to tick in.
    if (!QCoreApplication::instance()) return;
    if (!clock_->timer) {
        clock_->timer = std::make_unique<QTimer>();
        clock_->timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(clock_->timer.get(), &QTimer::timeout, [this] { CallGuarded([this] { Timer(); }); });
    }
    clock_->timer->start(static_cast<int>(interval_));
    if (!clock_->timer->isActive()) throw EOutOfResources();
}

void TTimer::Timer() {
    if (onTimer_) onTimer_(this);
}

const TClassInfo& TTimer::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo c("TTimer", &TComponent::StaticClassInfo(), MakeFactory<TTimer>());
        c.Publish(BooleanProperty("Enabled", &TTimer::Enabled, &TTimer::SetEnabled));
        c.Publish(IntegerProperty("Interval", &TTimer::Interval, &TTimer::SetInterval));
        c.Publish(EventProperty("OnTimer", &TTimer::OnTimer, &TTimer::SetOnTimer));
        return c;
    }();
    return info;
}

}  // namespace tresilva
