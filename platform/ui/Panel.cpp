#include "platform/ui/Panel.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "platform/ui/HostWidget.h"
#include "platform/ui/Properties.h"

namespace tresilva {

namespace {

QColor ToQColor(TColor color) {
    const TColor c = ColorToRGB(color);
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

// The panel's window: its surface inside the sunken edge, which it draws itself.
class PanelWidget : public HostWidget {
public:
    PanelWidget(TPanel& panel, QWidget* parent) : HostWidget(panel, parent) {}

protected:
    void paintEvent(QPaintEvent* event) override {
        HostWidget::paintEvent(event);
        auto* panel = dynamic_cast<TPanel*>(Control());
        if (!panel || panel->BorderStyle() != bsSingle) return;
        QPainter p(this);
        const int w = width();
        const int h = height();
        // Outer ring: shadow above and left, highlight below and right; inner
        // ring: dark shadow and light. The lower colour owns the two far corners.
        const TColor rings[2][2] = {{clBtnShadow, clBtnHighlight}, {cl3DDkShadow, cl3DLight}};
        for (int i = 0; i < 2; ++i) {
            const int l = i, t = i, r = w - 1 - i, b = h - 1 - i;
            if (r < l || b < t) break;
            p.setPen(ToQColor(rings[i][0]));
            p.drawLine(l, t, l, std::max(t, b - 1));
            p.drawLine(l, t, std::max(l, r - 1), t);
            p.setPen(ToQColor(rings[i][1]));
            p.drawLine(r, t, r, b);
            p.drawLine(l, b, r, b);
        }
    }
};

void FillLine(TCanvas& canvas, int left, int top, int right, int bottom, TColor color) {
    canvas.Brush().Color = color;
    canvas.Brush().Style = bsSolid;
    canvas.FillRect(Rect(left, top, right, bottom));
}

}  // namespace

void Frame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, int width) {
    for (int i = 0; i < width && rect.Width() > 0 && rect.Height() > 0; ++i) {
        const int l = rect.Left, t = rect.Top, r = rect.Right - 1, b = rect.Bottom - 1;
        FillLine(canvas, l, t, l + 1, b, topColor);        // left, down to the row above the bottom
        FillLine(canvas, l, t, r, t + 1, topColor);        // top, up to the column before the right
        FillLine(canvas, r, t, r + 1, b + 1, bottomColor);  // right
        FillLine(canvas, l, b, r + 1, b + 1, bottomColor);  // bottom
        rect = Rect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1);
    }
}

const TEnumType& PanelBevelType() {
    static const TEnumType type{"TPanelBevel", {"bvNone", "bvLowered", "bvRaised", "bvSpace"}};
    return type;
}

const TEnumType& BorderStyleType() {
    static const TEnumType type{"TBorderStyle", {"bsNone", "bsSingle"}};
    return type;
}

TPanel::TPanel(TComponent* owner) : TStdControl(owner) {
    SetParentColor(false);
    SetColor(clBtnFace);
}

void TPanel::SetBevelOuter(TPanelBevel value) {
    bevelOuter_ = value;
    Invalidate();
}

void TPanel::SetBevelInner(TPanelBevel value) {
    bevelInner_ = value;
    Invalidate();
}

void TPanel::SetBevelWidth(int value) {
    bevelWidth_ = std::max(1, value);
    Invalidate();
}

void TPanel::SetBorderWidth(int value) {
    borderWidth_ = std::max(0, value);
    Invalidate();
}

void TPanel::SetAlignment(TAlignment value) {
    alignment_ = value;
    Invalidate();
}

void TPanel::SetBorderStyle(TFormBorderStyle value) {
    value = value == bsSingle ? bsSingle : bsNone;
    if (value == borderStyle_) return;
    borderStyle_ = value;
    // The client area changed inside the same bounds: let the host re-make its surface.
    const int w = Width();
    SetBounds(Left(), Top(), w + 1, Height());
    SetBounds(Left(), Top(), w, Height());
    if (QWidget* widget = Widget()) widget->update();
}

TRect TPanel::ClientBounds() const {
    if (borderStyle_ != bsSingle) return Rect(0, 0, Width(), Height());
    return Rect(kClientEdge, kClientEdge, std::max(kClientEdge, Width() - kClientEdge),
                std::max(kClientEdge, Height() - kClientEdge));
}

QWidget* TPanel::CreateWidget(QWidget* parentWidget) { return new PanelWidget(*this, parentWidget); }

void TPanel::Paint() {
    TCanvas& canvas = Canvas();
    TRect r = Rect(0, 0, ClientWidth(), ClientHeight());
    auto colours = [](TPanelBevel bevel, TColor& top, TColor& bottom) {
        top = bevel == bvLowered ? clBtnShadow : clBtnHighlight;
        bottom = bevel == bvLowered ? clBtnHighlight : clBtnShadow;
    };
    TColor top = 0, bottom = 0;
    if (bevelOuter_ != bvNone) {
        colours(bevelOuter_, top, bottom);
        if (bevelOuter_ == bvSpace) top = bottom = Color();
        Frame3D(canvas, r, top, bottom, bevelWidth_);
    }
    Frame3D(canvas, r, Color(), Color(), borderWidth_);
    if (bevelInner_ != bvNone) {
        colours(bevelInner_, top, bottom);
        if (bevelInner_ == bvSpace) top = bottom = Color();
        Frame3D(canvas, r, top, bottom, bevelWidth_);
    }
    canvas.Brush().Color = Color();
    canvas.Brush().Style = bsSolid;
    canvas.FillRect(r);
    if (Caption().empty()) return;
    canvas.Brush().Style = bsClear;
    canvas.Font().Assign(Font());
    // Centred vertically on the height of a "W", as the classic panel does.
    const int h = canvas.TextHeight("W");
    TRect text = r;
    text.Top = (r.Top + r.Bottom - h) / 2;
    text.Bottom = text.Top + h;
    const unsigned align = alignment_ == taCenter ? DT_CENTER : (alignment_ == taRightJustify ? DT_RIGHT : DT_LEFT);
    canvas.DrawText(Caption(), text, DT_EXPANDTABS | DT_SINGLELINE | align);
}

const TClassInfo& TPanel::StaticClassInfo() {
    static const TClassInfo info = [] {
        using C = TPanel;
        TClassInfo c("TPanel", &TStdControl::StaticClassInfo(), MakeFactory<TPanel>());
        c.InheritAll();  // Left, Top, Width, Height, Cursor, Hint
        c.Inherit("Align");
        c.Publish(EnumProperty("Alignment", AlignmentType(), &C::Alignment, &C::SetAlignment));
        c.Publish(EnumProperty("BevelInner", PanelBevelType(), &C::BevelInner, &C::SetBevelInner));
        c.Publish(EnumProperty("BevelOuter", PanelBevelType(), &C::BevelOuter, &C::SetBevelOuter));
        c.Publish(IntegerProperty("BevelWidth", &C::BevelWidth, &C::SetBevelWidth));
        c.Publish(IntegerProperty("BorderWidth", &C::BorderWidth, &C::SetBorderWidth));
        c.Publish(EnumProperty("BorderStyle", BorderStyleType(), &C::BorderStyle, &C::SetBorderStyle));
        for (const char* name : {"Caption", "Color", "DragCursor", "DragMode", "Enabled", "Font", "ParentColor",
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
