#pragma once
// A realised host whose own background is a fixture picture, so every pixel a
// windowless control changes shows against a known value.
#include <utility>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/ui/WinControl.h"

namespace tresilva::test {

class FixtureHost : public TWinControl {
public:
    explicit FixtureHost(TBitmap background) : TWinControl(nullptr), background_(std::move(background)) {
        SetBounds(0, 0, background_.Width(), background_.Height());
        Realise();
        Update();
    }
    const TBitmap& Background() const { return background_; }
    // Composes the whole client area again.
    void PaintAll() { PaintArea(Rect(0, 0, Width(), Height())); }

    // Places a new windowless control of type C on top of the host.
    template <class C>
    C& Add(int left, int top, int width, int height) {
        auto* c = new C(nullptr);
        c->SetBounds(left, top, width, height);
        c->SetParent(this);
        return *c;
    }

protected:
    void PaintBackground(TCanvas& canvas, const TRect& area) override {
        canvas.CopyRect(area, background_.Canvas(), area);
    }

private:
    TBitmap background_;
};

}  // namespace tresilva::test
