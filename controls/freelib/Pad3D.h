#pragma once
// A raised pad: the pixels already painted beneath it stay, a bevelled border
// is shaded along the edges of its face, a drop shadow darkens two sides, and
// an optional caption is written on top. The face can also carry a picture,
// tiled or drawn once.
#include <string>

#include "controls/freelib/Shading.h"
#include "platform/gfx/Geometry.h"
#include "platform/gfx/Picture.h"
#include "platform/ui/GraphicControl.h"

namespace tresilva {

class TPad3D : public TGraphicControl {
public:
    // 200 x 50; the picture from the program's resource "Background.bmp"
    // when there is one (this program has none, so it starts empty).
    explicit TPad3D(TComponent* owner);
    ~TPad3D() override;

    TAlignment Alignment() const { return alignment_; }
    // Only a different value is stored, and it only invalidates.
    void SetAlignment(TAlignment value);

    // The pad's own caption (drawn by Paint, not by the base); writing it
    // repaints at once, even with the same text.
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);

    TPicture& Picture() { return picture_; }
    const TPicture& Picture() const { return picture_; }
    void SetPicture(const TPicture& value);

    int ShadowIntensity() const { return shadowIntensity_; }
    void SetShadowIntensity(int value);
    TQuality ShadowQuality() const { return shadowQuality_; }
    void SetShadowQuality(TQuality value);
    TShadowPos ShadowPosition() const { return shadowPosition_; }
    void SetShadowPosition(TShadowPos value);
    int ShadowWidth() const { return shadowWidth_; }
    void SetShadowWidth(int value);
    TQuality BorderQuality() const { return borderQuality_; }
    void SetBorderQuality(TQuality value);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int value);
    int BorderIntensity() const { return borderIntensity_; }
    void SetBorderIntensity(int value);
    TBackground Background() const { return background_; }
    void SetBackground(TBackground value);

    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

protected:
    void Paint() override;
    // Draws the caption, cut to its first 255 characters, in `rect` with the
    // DrawText `flags`.
    virtual void DrawCaption(TRect rect, unsigned flags);

private:
    TAlignment alignment_;
    int shadowIntensity_;
    TQuality shadowQuality_;
    TShadowPos shadowPosition_;
    int shadowWidth_;
    TQuality borderQuality_;
    int borderWidth_;
    int borderIntensity_;
    TPicture picture_;
    TBackground background_;
    std::string caption_;
};

}  // namespace tresilva
