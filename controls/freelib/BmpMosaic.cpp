#include "controls/freelib/BmpMosaic.h"

#include "controls/freelib/Shading.h"
#include "platform/gfx/Canvas.h"
#include "platform/ui/Properties.h"

namespace tresilva {

TBmpMosaic::TBmpMosaic(TComponent* owner) : TGraphicControl(owner) {
    SetHeight(105);
    SetWidth(105);
    mosaic_.SetSize(0, 0);
}

TBmpMosaic::~TBmpMosaic() = default;

void TBmpMosaic::SetPicture(const TPicture& value) {
    picture_.Assign(value);
    BuildMosaic();
    // A direct paint. Without a parent there is nowhere to draw, and a hidden
    // mosaic must not show: the new picture appears at its next paint.
    if (HasCanvas() && Visible()) Paint();
}

void TBmpMosaic::BuildMosaic() {
    mosaic_.SetSize(0, 0);
    mosaic_.SetSize(Width(), Height());
    TileBitmap(mosaic_.Canvas(), 0, 0, Width(), Height(), picture_.Bitmap());
}

void TBmpMosaic::Paint() {
    if (mosaic_.Width() != Width() || mosaic_.Height() != Height()) BuildMosaic();
    Canvas().Draw(0, 0, mosaic_);
}

const TClassInfo& TBmpMosaic::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo c("TBmpMosaic", &TGraphicControl::StaticClassInfo(), MakeFactory<TBmpMosaic>());
        c.InheritAll();
        c.Inherit("Align");
        c.Publish(PictureProperty(
            "Picture", [](TBmpMosaic& m) -> const TPicture& { return m.Picture(); }, &TBmpMosaic::SetPicture));
        for (const char* name : {"DragCursor", "DragMode", "Enabled", "ParentShowHint", "PopupMenu", "ShowHint",
                                 "Visible", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag",
                                 "OnMouseDown", "OnMouseMove", "OnMouseUp"})
            c.Inherit(name);
        return c;
    }();
    return info;
}

}  // namespace tresilva
