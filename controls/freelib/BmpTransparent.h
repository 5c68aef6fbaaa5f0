#pragma once
// A bitmap centred in the control with one key colour left out, so what lies
// beneath shows through around an irregular shape. Clicks count over the
// whole rectangle, key-coloured pixels included: a bitmap button.
#include "platform/gfx/Color.h"
#include "platform/gfx/Picture.h"
#include "platform/ui/GraphicControl.h"

namespace tresilva {

class TBmpTransparent : public TGraphicControl {
public:
    explicit TBmpTransparent(TComponent* owner);  // 105 x 105, empty, key clOlive
    ~TBmpTransparent() override;

    // Every setter stores and repaints at once, even with the same value.
    TPicture& Picture() { return picture_; }
    const TPicture& Picture() const { return picture_; }
    void SetPicture(const TPicture& value);
    // Take the key colour from the bitmap's top-left pixel.
    bool Auto() const { return auto_; }
    void SetAuto(bool value);
    // The key colour while Auto is off, compared exactly with each pixel.
    TColor TransparentColor() const { return transparentColor_; }
    void SetTransparentColor(TColor value);

    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

protected:
    void Paint() override;

private:
    TPicture picture_;
    bool auto_;
    TColor transparentColor_;
};

}  // namespace tresilva
