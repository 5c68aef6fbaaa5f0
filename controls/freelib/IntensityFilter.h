#pragma once
// A band that draws nothing of its own: everything painted beneath it is made
// lighter or darker by a fixed amount, optionally inside a bevelled border.
#include "controls/freelib/Shading.h"
#include "platform/ui/GraphicControl.h"

namespace tresilva {

class TIntensityFilter : public TGraphicControl {
public:
    explicit TIntensityFilter(TComponent* owner);  // 105 x 105
    ~TIntensityFilter() override;

    // Every setter stores and repaints at once, even with the same value.
    int Intensity() const { return intensity_; }
    void SetIntensity(int value);
    TQuality Quality() const { return quality_; }
    void SetQuality(TQuality value);
    bool Border() const { return border_; }
    void SetBorder(bool value);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int value);
    int BorderIntensity() const { return borderIntensity_; }
    void SetBorderIntensity(int value);

    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

protected:
    void Paint() override;

private:
    int intensity_;
    TQuality quality_;
    bool border_;
    int borderWidth_;
    int borderIntensity_;
};

}  // namespace tresilva
