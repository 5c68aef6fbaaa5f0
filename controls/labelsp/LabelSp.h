#pragma once
// An auto-sizing raised label: the three passes of the raised label, but it
// blinks by emptying and restoring its own caption, fits its size to its text
// in the steady phase when AutomaticSize is on, and draws by calling its own
// Paint at once (onto the parent's surface, nothing beneath redrawn).
#include <cstdint>
#include <string>

#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"
#include "platform/ui/Label.h"
#include "platform/ui/Timer.h"

namespace tresilva {

class TSpecialLabel : public TCustomLabel {
public:
    // The base's 65 x 17 with its auto-size on, silver text, steady, not blinking.
    explicit TSpecialLabel(TComponent* owner);
    ~TSpecialLabel() override;

    // The setters that draw (Blink, the raised settings, AutomaticSize) store
    // their value first; on a visible label without a parent the drawing then
    // fails with "Le contrôle '<Name>' n'a pas de fenêtre parente".

    // Whether the timer runs; reading it also returns to the steady phase.
    bool Blink();
    // Starts or stops the timer, returns to the steady phase, draws at once.
    void SetBlink(bool value);
    // The timer interval; the timer takes it as an unsigned count (a negative
    // speed is a very long one, read back as given). No drawing.
    std::int32_t BlinkSpeed() const { return static_cast<std::int32_t>(timer_->Interval()); }
    void SetBlinkSpeed(std::int32_t milliseconds) { timer_->SetInterval(static_cast<std::uint32_t>(milliseconds)); }

    // Only stored: seen at the next paint.
    bool BlinkTransparent() const { return blinkTransparent_; }
    void SetBlinkTransparent(bool value) { blinkTransparent_ = value; }
    TColor BlinkColor() const { return blinkColor_; }
    void SetBlinkColor(TColor value) { blinkColor_ = value; }
    TColor BlinkTopColor() const { return blinkTopColor_; }
    void SetBlinkTopColor(TColor value) { blinkTopColor_ = value; }
    TColor BlinkBottomColor() const { return blinkBottomColor_; }
    void SetBlinkBottomColor(TColor value) { blinkBottomColor_ = value; }

    // Each stores, then draws at once.
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
    // In the steady phase, fit the label to its caption.
    bool AutomaticSize() const { return automaticSize_; }
    void SetAutomaticSize(bool value);

    // The timer's tick: flips the phase and draws at once.
    void BlinkTick(TObject* sender);

    bool BlinkState() const { return blinkState_; }
    // The saved caption: the last non-empty caption a paint has seen.
    const std::string& SavedCaption() const { return text_; }
    TTimer& BlinkTimer() { return *timer_; }

    // The drawing itself, also called directly by the setters and the tick.
    void Paint() override;

    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

protected:
    // Draws the caption once: at most 255 characters, DT_NOPREFIX added
    // without ShowAccelChar, clGrayText in place of `color` when disabled.
    void DrawTextPass(const TRect& rect, TColor color, unsigned flags);
    // The drawing of one pass, as DrawTextPass settled it.
    virtual void DrawPass(const std::string& text, const TRect& rect, TColor color, unsigned flags);
    // With the base's auto-size on, fits the label to the one-line extent of
    // the caption plus both distances.
    void AdjustToText();
    // The base's re-fit, kept quiet while the constructor sets the font.
    void AdjustBounds() override;

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
    bool automaticSize_ = true;
    bool constructing_ = true;
};

// Makes TSpecialLabel known to the layout reader by class name.
void RegisterSpecialLabel();

}  // namespace tresilva
