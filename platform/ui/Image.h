#pragma once
// A windowless picture: its bitmap drawn at the top-left corner (or centred,
// or stretched over the control). With AutoSize on, a new picture gives the
// control the picture's size.
#include "platform/gfx/Picture.h"
#include "platform/ui/GraphicControl.h"

namespace tresilva {

class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* owner);  // 105 x 105, empty picture
    ~TImage() override;

    TPicture& Picture() { return picture_; }
    const TPicture& Picture() const { return picture_; }
    // Copies the picture; re-fits with AutoSize, then invalidates.
    void SetPicture(const TPicture& value);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    bool Center() const { return center_; }
    void SetCenter(bool value);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool value);

    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

protected:
    void Paint() override;

private:
    void PictureChanged();
    TPicture picture_;
    bool autoSize_ = false;
    bool center_ = false;
    bool stretch_ = false;
};

}  // namespace tresilva
