#pragma once
// Labels: a caption drawn with DrawText in the label's font, over its colour
// unless transparent.
//
// With AutoSize on, the label re-fits to its caption: measured the way
// DrawText measures (tab expansion, word break only with WordWrap) from the
// client rectangle, an empty caption or a lone "&" (with ShowAccelChar)
// measured as one space; Top stays, Left stays except for taRightJustify,
// where the right edge stays. No re-fit happens while the label's properties
// are being read from a layout.
#include "platform/gfx/Canvas.h"
#include "platform/ui/GraphicControl.h"

namespace tresilva {

class TCustomLabel : public TGraphicControl {
public:
    // 65 x 17, opaque, auto-size and accelerator marks on, left-justified.
    explicit TCustomLabel(TComponent* owner);
    ~TCustomLabel() override;

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);    // a change invalidates
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);           // going on re-fits at once
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);        // a change invalidates
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool value);      // a change invalidates and re-fits
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);           // a change invalidates and re-fits
    TComponent* FocusControl() const { return focusControl_; }
    void SetFocusControl(TComponent* value) { focusControl_ = value; }

    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    // Declares the label properties; publishes none beyond the control's.
    static const TClassInfo& StaticClassInfo();

protected:
    // Fills with Color unless transparent, then draws the caption.
    void Paint() override;
    // Draws (or, with DT_CALCRECT in flags, measures into rect) the caption as
    // the label shows it: the one-space rule, DT_NOPREFIX without
    // ShowAccelChar, and the disabled look.
    virtual void DoDrawText(TCanvas& canvas, TRect& rect, unsigned flags);
    // The re-fit described above (only while AutoSize is on).
    virtual void AdjustBounds();
    // The caption changed: invalidates and re-fits.
    void TextChanged() override;
    // The font changed: invalidates and re-fits.
    void FontChanged() override;

private:
    TAlignment alignment_ = taLeftJustify;
    bool autoSize_ = true;
    bool transparent_ = false;
    bool showAccelChar_ = true;
    bool wordWrap_ = false;
    TComponent* focusControl_ = nullptr;
};

// The plain label, publishing the label properties.
class TLabel : public TCustomLabel {
public:
    explicit TLabel(TComponent* owner);

    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();
};

}  // namespace tresilva
