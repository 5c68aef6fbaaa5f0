#include "controls/labelsp/SpecialLabel.h"

#include "platform/gfx/Canvas.h"
#include "platform/ui/Properties.h"

namespace tresilva {

namespace {

// What a pass draws: up to a zero character, at most 255 characters (a UTF-8
// sequence is never split).
std::string PassBuffer(const std::string& text) {
    const std::string s = text.substr(0, text.find('\0'));
    std::size_t end = 0;
    for (int count = 0; end < s.size() && count < 255; ++count) {
        ++end;
        while (end < s.size() && (static_cast<unsigned char>(s[end]) & 0xC0) == 0x80) ++end;
    }
    return s.substr(0, end);
}

unsigned AlignmentFlag(TAlignment alignment) {
    switch (alignment) {
        case taRightJustify: return DT_RIGHT;
        case taCenter: return DT_CENTER;
        default: return DT_LEFT;
    }
}

}  // namespace

TSpecialLabel::TSpecialLabel(TComponent* owner) : TCustomLabel(owner) {
    // The own fields have their first values already (see the header).
    timer_ = new TTimer(this);
    timer_->SetInterval(50);
    timer_->SetEnabled(false);
    timer_->SetOnTimer([this](TObject* sender) { BlinkTick(sender); });
    // The base's auto-size stays on, yet the label keeps the base's 65 x 17
    // until it is first painted.
    Font().SetColor(RGB(192, 192, 192));
    blinkState_ = false;
    constructing_ = false;
}

TSpecialLabel::~TSpecialLabel() = default;

void TSpecialLabel::AdjustBounds() {
    if (constructing_) return;
    TCustomLabel::AdjustBounds();
}

bool TSpecialLabel::Blink() {
    blinkState_ = false;
    return timer_->Enabled();
}

void TSpecialLabel::SetBlink(bool value) {
    timer_->SetEnabled(value);
    blinkState_ = false;
    Paint();
}

void TSpecialLabel::SetRaisedTop(bool value) {
    raisedTop_ = value;
    Paint();
}

void TSpecialLabel::SetRaisedBottom(bool value) {
    raisedBottom_ = value;
    Paint();
}

void TSpecialLabel::SetRaisedTopColor(TColor value) {
    raisedTopColor_ = value;
    Paint();
}

void TSpecialLabel::SetRaisedBottomColor(TColor value) {
    raisedBottomColor_ = value;
    Paint();
}

void TSpecialLabel::SetRaisedTopDistance(std::int32_t value) {
    raisedTopDistance_ = value;
    Paint();
}

void TSpecialLabel::SetRaisedBottomDistance(std::int32_t value) {
    raisedBottomDistance_ = value;
    Paint();
}

void TSpecialLabel::SetAutomaticSize(bool value) {
    automaticSize_ = value;
    Paint();
}

void TSpecialLabel::BlinkTick(TObject*) {
    blinkState_ = !blinkState_;
    Paint();
}

void TSpecialLabel::Paint() {
    if (!Visible() && !HasState(csDesigning)) return;
    if (!Caption().empty()) text_ = Caption();
    TColor textColor;
    TColor topColor;
    TColor bottomColor;
    if (blinkState_) {
        // Off first, so that emptying the caption does not shrink the label.
        SetAutoSize(false);
        if (blinkTransparent_) SetCaption(std::string());
        textColor = blinkColor_;
        topColor = blinkTopColor_;
        bottomColor = blinkBottomColor_;
    } else {
        if (!text_.empty()) SetCaption(text_);
        textColor = Font().Color();
        topColor = raisedTopColor_;
        bottomColor = raisedBottomColor_;
        SetAutoSize(automaticSize_);
    }
    TCanvas& canvas = Canvas();
    if (!Transparent()) {
        canvas.Brush().Color = Color();
        canvas.Brush().Style = bsSolid;
        canvas.FillRect(Rect(0, 0, Width(), Height()));
    }
    canvas.Font().Assign(Font());
    canvas.Brush().Style = bsClear;
    AdjustToText();
    const int w = Width();
    const int h = Height();
    const int t = raisedTop_ ? raisedTopDistance_ : 0;
    const int b = raisedBottom_ ? raisedBottomDistance_ : 0;
    const unsigned flags = AlignmentFlag(Alignment()) | DT_EXPANDTABS | DT_WORDBREAK;
    // Shadow, highlight, then the text on top.
    if (raisedBottom_) DrawTextPass(Rect(t + b, t + b, w, h), bottomColor, flags);
    if (raisedTop_) DrawTextPass(Rect(0, 0, w - t - b, h - t - b), topColor, flags);
    DrawTextPass(Rect(t, t, w - b, h - b), textColor, flags);
}

void TSpecialLabel::DrawTextPass(const TRect& rect, TColor color, unsigned flags) {
    const std::string buffer = PassBuffer(Caption());
    if (!ShowAccelChar()) flags |= DT_NOPREFIX;
    DrawPass(buffer, rect, Enabled() ? color : clGrayText, flags);
}

void TSpecialLabel::DrawPass(const std::string& text, const TRect& rect, TColor color, unsigned flags) {
    TCanvas& canvas = Canvas();
    canvas.Font().SetColor(color);
    TRect r = rect;
    canvas.DrawText(text, r, flags);
}

void TSpecialLabel::AdjustToText() {
    if (HasState(csReading) || !AutoSize() || Align() != alNone) return;
    const int t = raisedTop_ ? raisedTopDistance_ : 0;
    const int b = raisedBottom_ ? raisedBottomDistance_ : 0;
    TCanvas& canvas = Canvas();
    SetHeight(canvas.TextHeight(Caption()) + t + b);
    SetWidth(canvas.TextWidth(Caption()) + t + b);
}

const TClassInfo& TSpecialLabel::StaticClassInfo() {
    static const TClassInfo info = [] {
        using C = TSpecialLabel;
        TClassInfo c("TSpecialLabel", &TCustomLabel::StaticClassInfo(), MakeFactory<TSpecialLabel>());
        c.InheritAll();
        c.Publish(BooleanProperty("Blink", &C::Blink, &C::SetBlink));
        c.Publish(IntegerProperty("BlinkSpeed", &C::BlinkSpeed, &C::SetBlinkSpeed));
        c.Publish(ColorProperty("BlinkColor", &C::BlinkColor, &C::SetBlinkColor));
        c.Publish(ColorProperty("BlinkTopColor", &C::BlinkTopColor, &C::SetBlinkTopColor));
        c.Publish(ColorProperty("BlinkBottomColor", &C::BlinkBottomColor, &C::SetBlinkBottomColor));
        c.Publish(BooleanProperty("BlinkTransparent", &C::BlinkTransparent, &C::SetBlinkTransparent));
        c.Publish(BooleanProperty("RaisedTop", &C::RaisedTop, &C::SetRaisedTop));
        c.Publish(BooleanProperty("RaisedBottom", &C::RaisedBottom, &C::SetRaisedBottom));
        c.Publish(ColorProperty("RaisedTopColor", &C::RaisedTopColor, &C::SetRaisedTopColor));
        c.Publish(ColorProperty("RaisedBottomColor", &C::RaisedBottomColor, &C::SetRaisedBottomColor));
        c.Publish(IntegerProperty("RaisedTopDistance", &C::RaisedTopDistance, &C::SetRaisedTopDistance));
        c.Publish(IntegerProperty("RaisedBottomDistance", &C::RaisedBottomDistance, &C::SetRaisedBottomDistance));
        c.Publish(BooleanProperty("AutomaticSize", &C::AutomaticSize, &C::SetAutomaticSize));
        for (const char* name : {"Align", "Alignment", "Caption", "Color", "DragCursor", "DragMode", "Enabled",
                                 "FocusControl", "Font", "ParentColor", "ParentFont", "ParentShowHint", "PopupMenu",
                                 "ShowAccelChar", "ShowHint", "Transparent", "Visible", "WordWrap", "OnClick",
                                 "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnMouseDown", "OnMouseMove",
                                 "OnMouseUp"}) {
            c.Inherit(name);
        }
        return c;
    }();
    return info;
}

void RegisterSpecialLabel() { RegisterClass(TSpecialLabel::StaticClassInfo()); }

}  // namespace tresilva
