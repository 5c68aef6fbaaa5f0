#include "platform/ui/Label.h"

#include "platform/gfx/Bitmap.h"
#include "platform/ui/Properties.h"

namespace tresilva {

namespace {

constexpr unsigned kAlignFlags[] = {DT_LEFT, DT_RIGHT, DT_CENTER};

// Measuring needs a font but no surface of the label's own.
TCanvas& MeasuringCanvas() {
    static TBitmap scratch(1, 1);
    static TCanvas canvas(scratch);
    return canvas;
}

}  // namespace

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) { StoreBounds(0, 0, 65, 17); }

TCustomLabel::~TCustomLabel() = default;

void TCustomLabel::SetAlignment(TAlignment value) {
    if (value == alignment_) return;
    alignment_ = value;
    Invalidate();
}

void TCustomLabel::SetAutoSize(bool value) {
    if (value == autoSize_) return;
    autoSize_ = value;
    if (value) AdjustBounds();
}

void TCustomLabel::SetTransparent(bool value) {
    if (value == transparent_) return;
    transparent_ = value;
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool value) {
    if (value == showAccelChar_) return;
    showAccelChar_ = value;
    Invalidate();
    AdjustBounds();
}

void TCustomLabel::SetWordWrap(bool value) {
    if (value == wordWrap_) return;
    wordWrap_ = value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::TextChanged() {
    Invalidate();
    AdjustBounds();
}

void TCustomLabel::FontChanged() {
    Invalidate();
    AdjustBounds();
}

void TCustomLabel::DoDrawText(TCanvas& canvas, TRect& rect, unsigned flags) {
    // An empty caption, or a lone accelerator mark, still has one space's extent.
    const bool blank = Caption().empty() || (showAccelChar_ && Caption() == "&");
    const std::string text = blank ? std::string(1, ' ') : Caption();
    if (!showAccelChar_) flags |= DT_NOPREFIX;
    canvas.Font().Assign(Font());
    if ((flags & DT_CALCRECT) != 0 || Enabled()) {
        canvas.DrawText(text, rect, flags);
        return;
    }
    // Disabled: engraved, a highlight one pixel down and right under the shadow.
    TRect shifted = Offset(rect, 1, 1);
    canvas.Font().SetColor(clBtnHighlight);
    canvas.DrawText(text, shifted, flags);
    canvas.Font().SetColor(clBtnShadow);
    canvas.DrawText(text, rect, flags);
}

void TCustomLabel::Paint() {
    TCanvas& canvas = Canvas();
    if (!transparent_) {
        canvas.Brush().Color = Color();
        canvas.Brush().Style = bsSolid;
        canvas.FillRect(ClientRect());
    }
    canvas.Brush().Style = bsClear;
    TRect rect = ClientRect();
    DoDrawText(canvas, rect, DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0u) | kAlignFlags[alignment_ % 3]);
}

void TCustomLabel::AdjustBounds() {
    if (!autoSize_ || HasState(csReading)) return;
    TRect rect = ClientRect();
    DoDrawText(MeasuringCanvas(), rect, DT_EXPANDTABS | DT_CALCRECT | (wordWrap_ ? DT_WORDBREAK : 0u));
    int left = Left();
    // A right-justified label keeps its right edge.
    if (alignment_ == taRightJustify) left += Width() - rect.Right;
    SetBounds(left, Top(), rect.Right, rect.Bottom);
}

const TClassInfo& TCustomLabel::StaticClassInfo() {
    static const TClassInfo info = [] {
        using C = TCustomLabel;
        TClassInfo c("TCustomLabel", &TGraphicControl::StaticClassInfo());
        c.InheritAll();
        c.Declare(EnumProperty("Alignment", AlignmentType(), &C::Alignment, &C::SetAlignment));
        c.Declare(BooleanProperty("AutoSize", &C::AutoSize, &C::SetAutoSize));
        c.Declare(ComponentProperty("FocusControl", &C::FocusControl, &C::SetFocusControl));
        c.Declare(BooleanProperty("ShowAccelChar", &C::ShowAccelChar, &C::SetShowAccelChar));
        c.Declare(BooleanProperty("Transparent", &C::Transparent, &C::SetTransparent));
        c.Declare(BooleanProperty("WordWrap", &C::WordWrap, &C::SetWordWrap));
        return c;
    }();
    return info;
}

TLabel::TLabel(TComponent* owner) : TCustomLabel(owner) {}

const TClassInfo& TLabel::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo c("TLabel", &TCustomLabel::StaticClassInfo(), MakeFactory<TLabel>());
        c.InheritAll();
        for (const char* name : {"Align", "Alignment", "AutoSize", "Caption", "Color", "DragCursor", "DragMode",
                                 "Enabled", "FocusControl", "Font", "ParentColor", "ParentFont", "ParentShowHint",
                                 "PopupMenu", "ShowAccelChar", "ShowHint", "Transparent", "Visible", "WordWrap",
                                 "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnMouseDown",
                                 "OnMouseMove", "OnMouseUp"}) {
            c.Inherit(name);
        }
        return c;
    }();
    return info;
}

}  // namespace tresilva
