#include "controls/magiclab/MagicLabel.h"

#include "platform/gfx/Canvas.h"
#include "controls/magiclab/RaisedLabelProperties.h"
#include "platform/ui/Properties.h"

namespace tresilva {

TMagicLabel::TMagicLabel(TComponent* owner) : TCustomLabel(owner) {
    // The own fields have their first values already (see the header).
    timer_ = new TTimer(this);
    timer_->SetInterval(50);
    timer_->SetEnabled(false);
    timer_->SetOnTimer([this](TObject* sender) { BlinkTick(sender); });
    Font().SetColor(clSilver);
    blinkState_ = false;
    SetAutoSize(false);
    SetWidth(95);
    SetHeight(20);
}

TMagicLabel::~TMagicLabel() = default;

bool TMagicLabel::Blink() {
    blinkState_ = false;
    return timer_->Enabled();
}

void TMagicLabel::SetBlink(bool value) {
    timer_->SetEnabled(value);
    blinkState_ = false;
    Repaint();
}

void TMagicLabel::SetRaisedTop(bool value) {
    raisedTop_ = value;
    Repaint();
}

void TMagicLabel::SetRaisedBottom(bool value) {
    raisedBottom_ = value;
    Repaint();
}

void TMagicLabel::SetRaisedTopColor(TColor value) {
    raisedTopColor_ = value;
    Repaint();
}

void TMagicLabel::SetRaisedBottomColor(TColor value) {
    raisedBottomColor_ = value;
    Repaint();
}

void TMagicLabel::SetRaisedTopDistance(std::int32_t value) {
    raisedTopDistance_ = value;
    Repaint();
}

void TMagicLabel::SetRaisedBottomDistance(std::int32_t value) {
    raisedBottomDistance_ = value;
    Repaint();
}

void TMagicLabel::BlinkTick(TObject*) {
    blinkState_ = !blinkState_;
    Repaint();
}

void TMagicLabel::Paint() {
    if (!Visible() && !HasState(csDesigning)) return;
    TColor textColor;
    TColor topColor;
    TColor bottomColor;
    if (blinkState_) {
        if (blinkTransparent_) text_.clear();
        textColor = blinkColor_;
        topColor = blinkTopColor_;
        bottomColor = blinkBottomColor_;
    } else {
        // An empty caption keeps what the label showed last.
        if (!Caption().empty()) text_ = Caption();
        textColor = Font().Color();
        topColor = raisedTopColor_;
        bottomColor = raisedBottomColor_;
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

void TMagicLabel::DrawTextPass(const TRect& rect, TColor color, unsigned flags) {
    const std::string buffer = DrawTextBuffer(text_);
    if (!ShowAccelChar()) flags |= DT_NOPREFIX;
    DrawPass(buffer, rect, Enabled() ? color : clGrayText, flags);
}

void TMagicLabel::DrawPass(const std::string& text, const TRect& rect, TColor color, unsigned flags) {
    TCanvas& canvas = Canvas();
    canvas.Font().SetColor(color);
    TRect r = rect;
    canvas.DrawText(text, r, flags);
}

void TMagicLabel::AdjustToText() {
    if (HasState(csReading) || !AutoSize() || Align() != alNone || text_.empty()) return;
    const int t = raisedTop_ ? raisedTopDistance_ : 0;
    const int b = raisedBottom_ ? raisedBottomDistance_ : 0;
    TCanvas& canvas = Canvas();
    SetHeight(canvas.TextHeight(text_) + t + b);
    SetWidth(canvas.TextWidth(text_) + t + b);
}

const TClassInfo& TMagicLabel::StaticClassInfo() {
    static const TClassInfo info = [] {
        using C = TMagicLabel;
        TClassInfo c("TMagicLabel", &TCustomLabel::StaticClassInfo(), MakeFactory<TMagicLabel>());
        c.InheritAll();
        PublishRaisedSettings<C>(c);
        PublishInheritedLabelProperties(c);
        return c;
    }();
    return info;
}

void RegisterMagicLabel() { RegisterClass(TMagicLabel::StaticClassInfo()); }

}  // namespace tresilva
