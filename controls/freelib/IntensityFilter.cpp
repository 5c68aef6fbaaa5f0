#include "controls/freelib/IntensityFilter.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "controls/freelib/ShadingTypes.h"
#include "controls/freelib/Underlay.h"
#include "platform/ui/Properties.h"

namespace tresilva {

TIntensityFilter::TIntensityFilter(TComponent* owner) : TGraphicControl(owner) {
    SetHeight(105);
    SetWidth(105);
    intensity_ = -60;
    quality_ = quLow;
    border_ = false;
    borderWidth_ = 5;
    borderIntensity_ = 40;
}

TIntensityFilter::~TIntensityFilter() = default;

void TIntensityFilter::SetIntensity(int value) {
    intensity_ = value;
    Repaint();
}

void TIntensityFilter::SetQuality(TQuality value) {
    quality_ = value;
    Repaint();
}

void TIntensityFilter::SetBorder(bool value) {
    border_ = value;
    Repaint();
}

void TIntensityFilter::SetBorderWidth(int value) {
    borderWidth_ = value;
    Repaint();
}

void TIntensityFilter::SetBorderIntensity(int value) {
    borderIntensity_ = value;
    Repaint();
}

void TIntensityFilter::Paint() {
    const int w = Width(), h = Height();
    TUnderlay beneath(Canvas(), w, h);
    // Without a border the area reaches one past the last column and row,
    // which the surface skips.
    int x1 = 0, y1 = 0, x2 = w, y2 = h;
    if (border_) {
        ShadeBorder(beneath.Canvas(), 0, 0, w, h, borderWidth_, borderIntensity_, 0, 1, quality_);
        const auto held = [](std::int64_t v) { return static_cast<int>(std::clamp<std::int64_t>(v, INT_MIN, INT_MAX)); };
        x1 = y1 = held(std::int64_t{borderWidth_} + 1);
        x2 = held(std::int64_t{w} - borderWidth_ - 1);
        y2 = held(std::int64_t{h} - borderWidth_ - 1);
    }
    ShadeRect(beneath.Canvas(), x1, y1, x2, y2, intensity_, quality_);
    beneath.PutBack();
}

const TClassInfo& TIntensityFilter::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo c("TIntensityFilter", &TGraphicControl::StaticClassInfo(), MakeFactory<TIntensityFilter>());
        c.InheritAll();
        c.Inherit("Align");
        c.Publish(IntegerProperty("Intensity", &TIntensityFilter::Intensity, &TIntensityFilter::SetIntensity));
        c.Publish(EnumProperty("Quality", QualityType(), &TIntensityFilter::Quality, &TIntensityFilter::SetQuality));
        c.Publish(BooleanProperty("Border", &TIntensityFilter::Border, &TIntensityFilter::SetBorder));
        c.Publish(IntegerProperty("BorderWidth", &TIntensityFilter::BorderWidth, &TIntensityFilter::SetBorderWidth));
        c.Publish(IntegerProperty("BorderIntensity", &TIntensityFilter::BorderIntensity,
                                  &TIntensityFilter::SetBorderIntensity));
        c.Inherit("Visible", "visible");
        for (const char* name : {"OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnMouseDown",
                                 "OnMouseMove", "OnMouseUp"})
            c.Inherit(name);
        return c;
    }();
    return info;
}

}  // namespace tresilva
