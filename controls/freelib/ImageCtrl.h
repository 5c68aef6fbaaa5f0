#pragma once
// One frame of a bitmap animation: a plain control (it draws nothing and
// stays at 0, 0, 0, 0) that exists so that a layout can store each frame as a
// child object of its animation, with its file name and its image.
#include <string>

#include "platform/gfx/Bitmap.h"
#include "platform/ui/Control.h"

namespace tresilva {

class TReader;

class TImageCtrl : public TControl {
public:
    // An empty image, an empty name.
    explicit TImageCtrl(TComponent* owner);
    // Leaves its animation's frame list first, so the list never holds a freed frame.
    ~TImageCtrl() override;

    // The frame's own name (the file it was made from, as "EURO1.BMP"); it
    // replaces the control's caption and is stored as given, nothing repaints.
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value) { caption_ = value; }

    TBitmap& Bmp() { return bmp_; }
    const TBitmap& Bmp() const { return bmp_; }
    // Copies the image into the frame's own bitmap.
    void SetBmp(const TBitmap& value) { bmp_ = value; }

    // Read from a layout: a frame inside an animation appends itself to the
    // animation's list before any of its properties are read; the properties
    // are read with the reader's owner set to the layout's root.
    void ReadState(TReader& reader) override;

    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

private:
    std::string caption_;
    TBitmap bmp_;
};

}  // namespace tresilva
