#include "controls/freelib/BmpTransparent.h"

#include <cstdint>

#include "controls/freelib/Shading.h"
#include "platform/gfx/Canvas.h"
#include "platform/ui/Properties.h"

namespace tresilva {

TBmpTransparent::TBmpTransparent(TComponent* owner) : TGraphicControl(owner) {
    SetHeight(105);
    SetWidth(105);
    auto_ = false;
    transparentColor_ = clOlive;
}

TBmpTransparent::~TBmpTransparent() = default;

void TBmpTransparent::SetPicture(const TPicture& value) {
    picture_.Assign(value);
    Repaint();
}

void TBmpTransparent::SetAuto(bool value) {
    auto_ = value;
    Repaint();
}

void TBmpTransparent::SetTransparentColor(TColor value) {
    transparentColor_ = value;
    Repaint();
}

void TBmpTransparent::Paint() {
    const TBitmap& bitmap = picture_.Bitmap();
    TCanvas& canvas = Canvas();
    if (bitmap.Width() > 0) {
        // Centred; a bitmap larger than the control is cut equally on both
        // sides (the halves truncated toward zero).
        const int dx = static_cast<int>((std::int64_t{Width()} - bitmap.Width()) / 2);
        const int dy = static_cast<int>((std::int64_t{Height()} - bitmap.Height()) / 2);
        const TColor key = auto_ ? bitmap.Pixel(0, 0) : transparentColor_;
        DrawTransparent(canvas, dx, dy, bitmap, key, 0);
    } else if (HasState(csDesigning)) {
        // An empty control stays visible while it is being edited.
        canvas.Pen().Style = psDash;
        canvas.Brush().Style = bsClear;
        canvas.Rectangle(0, 0, Width(), Height());
    }
}

const TClassInfo& TBmpTransparent::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo c("TBmpTransparent", &TGraphicControl::StaticClassInfo(), MakeFactory<TBmpTransparent>());
        c.InheritAll();
        c.Publish(PictureProperty(
            "Picture", [](TBmpTransparent& b) -> const TPicture& { return b.Picture(); },
            &TBmpTransparent::SetPicture));
        c.Publish(BooleanProperty("Auto", &TBmpTransparent::Auto, &TBmpTransparent::SetAuto));
        c.Publish(ColorProperty("TransparentColor", &TBmpTransparent::TransparentColor,
                                &TBmpTransparent::SetTransparentColor));
        for (const char* name : {"Align", "DragCursor", "DragMode", "Enabled", "ParentShowHint", "PopupMenu",
                                 "ShowHint", "Visible", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver",
                                 "OnEndDrag", "OnMouseDown", "OnMouseMove", "OnMouseUp"})
            c.Inherit(name);
        return c;
    }();
    return info;
}

}  // namespace tresilva
