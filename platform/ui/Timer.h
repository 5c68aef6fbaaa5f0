#pragma once
// A timer component over Qt's timer: OnTimer runs on the user-interface
// thread every Interval milliseconds while Enabled. It never ticks while
// disabled, at interval 0, without a handler, or at an interval beyond what
// Qt can time (the stored interval is still read back exactly).
#include <cstdint>
#include <memory>

#include "platform/ui/Component.h"
#include "platform/ui/Events.h"

namespace tresilva {

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);  // 1000 ms, enabled, no handler
    ~TTimer() override;

    std::uint32_t Interval() const { return interval_; }
    // Restarts the count. Throws EOutOfResources only when Qt cannot start a timer.
    void SetInterval(std::uint32_t milliseconds);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    const TNotifyEvent& OnTimer() const { return onTimer_; }
    void SetOnTimer(TNotifyEvent handler);

    // Whether a Qt timer is running for this component now.
    bool Running() const;

    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

protected:
    // Fires OnTimer; called on every tick (errors go to the error display).
    virtual void Timer();

private:
    void UpdateTimer();
    std::uint32_t interval_ = 1000;
    bool enabled_ = true;
    TNotifyEvent onTimer_;
    struct Clock;
    std::unique_ptr<Clock> clock_;
};

}  // namespace tresilva
