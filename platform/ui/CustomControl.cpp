#include "platform/ui/CustomControl.h"

#include "platform/ui/Properties.h"

namespace tresilva {

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

TCustomControl::~TCustomControl() = default;

void TCustomControl::Target(const TRect& clip) {
    if (!canvas_) canvas_ = std::make_unique<TCanvas>(Surface(), TPoint{0, 0}, clip);
    canvas_->SetOrigin(TPoint{0, 0});
    canvas_->SetClipRect(clip);
}

TCanvas& TCustomControl::Canvas() {
    if (!selfPainting_) {
        // Drawing outside a paint: the whole window, shown as drawn.
        const TRect whole = Rect(0, 0, Surface().Width(), Surface().Height());
        Target(whole);
        ShowArea(whole);
    }
    return *canvas_;
}

void TCustomControl::PaintWindow(const TRect& area) {
    Target(area);
    struct Guard {
        bool& flag;
        bool saved;
        ~Guard() { flag = saved; }
    } guard{selfPainting_, selfPainting_};
    selfPainting_ = true;
    Paint();
}

void TCustomControl::Paint() {}

const TClassInfo& TCustomControl::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo c("TCustomControl", &TWinControl::StaticClassInfo());
        c.InheritAll();
        return c;
    }();
    return info;
}

}  // namespace tresilva
