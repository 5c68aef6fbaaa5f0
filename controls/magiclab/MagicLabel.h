#pragma once
// A raised label: its text drawn three times, a shadow copy down and right,
// a highlight copy up and left, then the text itself on top; it can blink on
// a timer, switching to a second set of colours or vanishing.
#include <cstdint>
#include <string>

#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"
#include "platform/ui/Label.h"
#include "platform/ui/Timer.h"

namespace tresilva {

class TMagicLabel : public TCustomLabel {
public:
    // 95 x 20, silver text, steady, not blinking (50 ms when it does).
    explicit TMagicLabel(TComponent* owner);
    ~TMagicLabel() override;

    // Whether the timer runs; reading it also returns the label to its steady
    // phase (without repainting).
    bool Blink();
    // Starts or stops the timer, returns to the steady phase, repaints at once.
    void SetBlink(bool value);
    std::uint16_t BlinkSpeed() const { return static_cast<std::uint16_t>(timer_->Interval()); }
    void SetBlinkSpeed(std::uint16_t milliseconds) { timer_->SetInterval(milliseconds); }

    // The blink colours and BlinkTransparent only store: seen at the next paint.
    bool BlinkTransparent() const { return blinkTransparent_; }
    void SetBlinkTransparent(bool value) { blinkTransparent_ = value; }
    TColor BlinkColor() const { return blinkColor_; }
    void SetBlinkColor(TColor value) { blinkColor_ = value; }
    TColor BlinkTopColor() const { return blinkTopColor_; }
    void SetBlinkTopColor(TColor value) { blinkTopColor_ = value; }
    TColor BlinkBottomColor() const { return blinkBottomColor_; }
    void SetBlinkBottomColor(TColor value) { blinkBottomColor_ = value; }

    // The raised settings repaint at once, without comparing.
    bool RaisedTop() const { return raisedTop_; }
    void SetRaisedTop(bool value);
    bool RaisedBottom() const { return raisedBottom_; }
    void SetRaisedBottom(bool value);
    TColor RaisedTopColor() const { return raisedTopColor_; }
    void SetRaisedTopColor(TColor value);
    TColor RaisedBottomColor() const { return raisedBottomColor_; }
    void SetRaisedBottomColor(TColor value);
    std::int32_t RaisedTopDistance() const { return raisedTopDistance_; }
    void SetRaisedTopDistance(std::int32_t value);
    std::int32_t RaisedBottomDistance() const { return raisedBottomDistance_; }
    void SetRaisedBottomDistance(std::int32_t value);

    // The timer's tick: flips the phase and repaints at once.
    void BlinkTick(TObject* sender);

    // The phase: false steady, true blink.
    bool BlinkState() const { return blinkState_; }
    // What the passes draw: the caption as the last steady paint saw it.
    const std::string& DisplayText() const { return text_; }
    TTimer& BlinkTimer() { return *timer_; }

    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

protected:
    void Paint() override;
    // Draws the display text once: at most 255 characters, DT_NOPREFIX added
    // without ShowAccelChar, clGrayText in place of `color` when disabled.
    void DrawTextPass(const TRect& rect, TColor color, unsigned flags);
    // The drawing of one pass, as DrawTextPass settled it.
    virtual void DrawPass(const std::string& text, const TRect& rect, TColor color, unsigned flags);
    // With the base's auto-size on (never in this class itself), fits the
    // label to the one-line extent of the display text plus both distances.
    void AdjustToText();

private:
    // In declaration order, with their values after construction.
    TTimer* timer_ = nullptr;  // owned as a component
    std::string text_;
    bool blinkState_ = false;
    bool blinkTransparent_ = true;
    TColor blinkColor_ = clRed;
    TColor blinkTopColor_ = clWhite;
    TColor blinkBottomColor_ = clGray;
    bool raisedTop_ = true;
    bool raisedBottom_ = true;
    TColor raisedTopColor_ = clWhite;
    TColor raisedBottomColor_ = clGray;
    std::int32_t raisedTopDistance_ = 1;
    std::int32_t raisedBottomDistance_ = 1;
};

// Makes TMagicLabel known to the layout reader by class name.
void RegisterMagicLabel();

}  // namespace tresilva
