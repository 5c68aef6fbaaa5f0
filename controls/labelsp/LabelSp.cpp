#include "controls/labelsp/LabelSp.h"

#include "controls/magiclab/RaisedLabelProperties.h"
#include "platform/gfx/Canvas.h"
#include "platform/ui/Properties.h"

namespace tresilva {

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
    const std::string buffer = DrawTextBuffer(Caption());
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
        PublishRaisedSettings<C>(c);
        c.Publish(BooleanProperty("AutomaticSize", &C::AutomaticSize, &C::SetAutomaticSize));
        PublishInheritedLabelProperties(c);
        return c;
    }();
    return info;
}

void RegisterSpecialLabel() { RegisterClass(TSpecialLabel::StaticClassInfo()); }

}  // namespace tresilva
