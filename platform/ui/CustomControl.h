#pragma once
// A windowed, self-painting control: it draws its own window through Canvas()
// in Paint (a bitmap animation is one). It may host windowless children too;
// they are painted over what Paint drew.
#include <memory>

#include "platform/gfx/Canvas.h"
#include "platform/ui/WinControl.h"

namespace tresilva {

class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner);
    ~TCustomControl() override;

    // The canvas over the control's own surface: (0, 0) is the client area's
    // corner; during a paint writes are clipped to the area being painted.
    TCanvas& Canvas();

    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

protected:
    // Draws the window through Canvas(). The default draws nothing.
    virtual void Paint();
    void PaintWindow(const TRect& area) override;

private:
    void Target(const TRect& clip);
    std::unique_ptr<TCanvas> canvas_;
    bool selfPainting_ = false;
};

}  // namespace tresilva
