#pragma once
// What the raised labels' tests share: a label that records every text pass
// it draws, a realised host to place it on, and a way to pump the event loop.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <ostream>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/gfx/Canvas.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"
#include "platform/gfx/GuiApplication.h"
#include "platform/ui/WinControl.h"

namespace tresilva {
inline void PrintTo(const TRect& r, std::ostream* os) {
    *os << "(" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ")";
}
}  // namespace tresilva

namespace tresilva::test {

// One text pass as the label settled it.
struct Pass {
    TRect rect;
    TColor color;
    unsigned flags;
    std::string text;
    friend bool operator==(const Pass&, const Pass&) = default;
};

inline void PrintTo(const Pass& p, std::ostream* os) {
    *os << "{";
    PrintTo(p.rect, os);
    *os << std::hex << ", colour 0x" << static_cast<std::uint32_t>(p.color) << ", flags 0x" << p.flags << std::dec
        << ", \"" << p.text << "\"}";
}

// A label of class L that records its passes and counts its paints.
template <class L>
class Recording : public L {
public:
    explicit Recording(TComponent* owner = nullptr) : L(owner) {}
    std::vector<Pass> passes;
    int paints = 0;
    // The passes drawn since the last call.
    std::vector<Pass> Take() { return std::exchange(passes, {}); }

    void Paint() override {
        ++paints;
        L::Paint();
    }

protected:
    void DrawPass(const std::string& text, const TRect& rect, TColor color, unsigned flags) override {
        passes.push_back(Pass{rect, color, flags, text});
        L::DrawPass(text, rect, color, flags);
    }
};

// A realised top-level window of one colour that counts its background paints.
class Host : public TWinControl {
public:
    Host(int width, int height, TColor color = clWhite) : TWinControl(nullptr) {
        SetBounds(0, 0, width, height);
        SetColor(color);
        Realise();
        Update();
    }
    int backgrounds = 0;
    void PaintAll() { PaintArea(Rect(0, 0, Width(), Height())); }

    // A new control of type C on top, freed with the host.
    template <class C>
    C& Add(int left, int top, int width, int height) {
        auto* c = new C(nullptr);
        c->SetBounds(left, top, width, height);
        c->SetParent(this);
        return *c;
    }

protected:
    void PaintBackground(TCanvas& canvas, const TRect& area) override {
        ++backgrounds;
        TWinControl::PaintBackground(canvas, area);
    }
};

// Timers start only where an application object exists.
class GuiEnvironment : public testing::Environment {
public:
    void SetUp() override { EnsureGuiApplication(); }
};

template <class F>
bool PumpUntil(F done, int boundMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < boundMs) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

inline void Pump(int ms) {
    PumpUntil([] { return false; }, ms);
}

// How many pixels of a rectangle of the surface hold exactly this colour.
inline int CountPixels(const TBitmap& surface, const TRect& area, TColor color) {
    int n = 0;
    for (int y = area.Top; y < area.Bottom; ++y) {
        for (int x = area.Left; x < area.Right; ++x) n += surface.Pixel(x, y) == color ? 1 : 0;
    }
    return n;
}

}  // namespace tresilva::test
