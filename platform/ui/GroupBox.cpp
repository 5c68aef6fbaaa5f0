#include "platform/ui/GroupBox.h"

#include "platform/ui/Properties.h"

namespace tresilva {

namespace {

// A one-pixel rectangle outline.
void FrameRect(TCanvas& canvas, const TRect& r, TColor color) {
    if (r.Width() <= 0 || r.Height() <= 0) return;
    canvas.Brush().Color = color;
    canvas.Brush().Style = bsSolid;
    canvas.FillRect(Rect(r.Left, r.Top, r.Right, r.Top + 1));
    canvas.FillRect(Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom));
    canvas.FillRect(Rect(r.Left, r.Top, r.Left + 1, r.Bottom));
    canvas.FillRect(Rect(r.Right - 1, r.Top, r.Right, r.Bottom));
}

}  // namespace

TGroupBox::TGroupBox(TComponent* owner) : TStdControl(owner) {}

void TGroupBox::Paint() {
    TCanvas& canvas = Canvas();
    canvas.Font().Assign(Font());
    const int h = canvas.TextHeight("0");
    // The etched frame: a highlight rectangle one pixel down and right, a shadow one over it.
    TRect r = Rect(1, h / 2, Width(), Height());
    FrameRect(canvas, r, clBtnHighlight);
    r = Rect(0, h / 2 - 1, Width() - 1, Height() - 1);
    FrameRect(canvas, r, clBtnShadow);
    if (Caption().empty()) return;
    TRect text = Rect(8, 0, 8, h);
    canvas.DrawText(Caption(), text, DT_LEFT | DT_SINGLELINE | DT_CALCRECT);
    canvas.Brush().Color = Color();
    canvas.Brush().Style = bsSolid;
    canvas.FillRect(text);
    canvas.Brush().Style = bsClear;
    canvas.DrawText(Caption(), text, DT_LEFT | DT_SINGLELINE);
}

const TClassInfo& TGroupBox::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo c("TGroupBox", &TStdControl::StaticClassInfo(), MakeFactory<TGroupBox>());
        c.InheritAll();
        for (const char* name : {"Align", "Caption", "Color", "DragCursor", "DragMode", "Enabled", "Font", "ParentColor",
                                 "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder", "TabStop",
                                 "Visible", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag",
                                 "OnMouseDown", "OnMouseMove", "OnMouseUp"}) {
            c.Inherit(name);
        }
        return c;
    }();
    return info;
}

}  // namespace tresilva
