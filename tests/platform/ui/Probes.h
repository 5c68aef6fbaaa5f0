#pragma once
// Small windowless controls that show what the host does with them.
#include <functional>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/ui/CustomControl.h"
#include "platform/ui/GraphicControl.h"
#include "platform/ui/WinControl.h"

namespace tresilva::test {

// Fills its whole client rectangle with one colour; counts its paints and
// remembers each paint's clip.
class FillControl : public TGraphicControl {
public:
    FillControl(TWinControl* parent, TRect bounds, TColor color) : TGraphicControl(parent), color_(color) {
        SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        SetParent(parent);
    }
    int paints = 0;
    std::vector<TRect> clips;
    TColor color_;
    std::function<void(FillControl&)> extra;  // runs inside Paint, after the fill
    void DirectPaint() { Paint(); }  // as a control's own code calls it

protected:
    void Paint() override {
        ++paints;
        TCanvas& c = Canvas();
        clips.push_back(c.ClipRect());
        c.Brush().Color = color_;
        c.Brush().Style = bsSolid;
        c.FillRect(ClientRect());
        if (extra) extra(*this);
    }
};

// Reads what lies beneath its rectangle, inverts it and writes it back, the
// way the shading controls work.
class InvertControl : public TGraphicControl {
public:
    InvertControl(TWinControl* parent, TRect bounds) : TGraphicControl(parent) {
        SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        SetParent(parent);
    }
    int paints = 0;

protected:
    void Paint() override {
        ++paints;
        TCanvas& c = Canvas();
        TBitmap copy(Width(), Height());
        copy.Canvas().CopyRect(ClientRect(), c, ClientRect());
        for (int y = 0; y < Height(); ++y) {
            for (int x = 0; x < Width(); ++x) copy.SetPixel(x, y, copy.Pixel(x, y) ^ 0xFFFFFF);
        }
        c.Draw(0, 0, copy);
    }
};

// A top-level host of a given size, realised.
class Host : public TWinControl {
public:
    Host(int width, int height, TColor color) : TWinControl(nullptr) {
        SetBounds(0, 0, width, height);
        SetColor(color);
    }
    int backgrounds = 0;

protected:
    void PaintBackground(TCanvas& canvas, const TRect& area) override {
        ++backgrounds;
        TWinControl::PaintBackground(canvas, area);
    }
};

}  // namespace tresilva::test
