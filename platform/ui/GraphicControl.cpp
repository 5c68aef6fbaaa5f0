#include "platform/ui/GraphicControl.h"

#include "platform/Errors.h"
#include "platform/ui/Properties.h"
#include "platform/ui/WinControl.h"

namespace tresilva {

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::Target(const TRect& clip) {
    TBitmap& surface = Parent()->Surface();
    if (!canvas_) {
        canvas_ = std::make_unique<TCanvas>(surface, TPoint{Left(), Top()}, clip);
    } else if (&canvas_->Surface() != &surface) {
        // A new parent: keep the drawing tools the control has set up.
        const TFont font = canvas_->Font();
        const TPen pen = canvas_->Pen();
        const TBrush brush = canvas_->Brush();
        *canvas_ = TCanvas(surface, TPoint{Left(), Top()}, clip);
        canvas_->Font().Assign(font);
        canvas_->Pen() = pen;
        canvas_->Brush() = brush;
    }
    canvas_->SetOrigin(TPoint{Left(), Top()});
    canvas_->SetClipRect(clip);
}

TCanvas& TGraphicControl::Canvas() {
    TWinControl* parent = Parent();
    if (!parent) throw EInvalidOperation::NoParentWindow(Name());
    if (!hostPainting_) {
        // A direct paint: clipped to the control alone, shown as drawn.
        const TBitmap& surface = parent->Surface();
        Target(Intersect(BoundsRect(), Rect(0, 0, surface.Width(), surface.Height())));
        parent->ShowArea(BoundsRect());
    }
    return *canvas_;
}

void TGraphicControl::PaintFromHost(const TRect& area) {
    const TRect clip = Intersect(area, BoundsRect());
    if (clip.IsEmpty()) return;
    Target(clip);
    struct Guard {
        bool& flag;
        bool saved;
        ~Guard() { flag = saved; }
    } guard{hostPainting_, hostPainting_};
    hostPainting_ = true;
    Paint();
}

void TGraphicControl::Repaint() {
    TWinControl* parent = Parent();
    if (!parent) return;
    if (!Visible()) {
        Invalidate();
        return;
    }
    parent->RepaintRect(BoundsRect());
}

void TGraphicControl::Paint() {}

const TClassInfo& TGraphicControl::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo c("TGraphicControl", &TControl::StaticClassInfo());
        c.InheritAll();
        return c;
    }();
    return info;
}

}  // namespace tresilva
