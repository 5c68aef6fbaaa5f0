#pragma once
// A background of copies of a small bitmap laid edge to edge, the grid
// anchored at the control's own corner. It covers its rectangle completely
// and keeps the tiled image ready, so an ordinary paint is one block copy.
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Picture.h"
#include "platform/ui/GraphicControl.h"

namespace tresilva {

class TBmpMosaic : public TGraphicControl {
public:
    explicit TBmpMosaic(TComponent* owner);  // 105 x 105, empty picture, empty mosaic
    ~TBmpMosaic() override;

    TPicture& Picture() { return picture_; }
    const TPicture& Picture() const { return picture_; }
    // Copies the picture, rebuilds the mosaic and draws it at once by itself:
    // controls above it are not redrawn until their area is next painted.
    void SetPicture(const TPicture& value);

    // Rebuilds the tiled image at the control's current size (white when the
    // picture is empty).
    void BuildMosaic();
    const TBitmap& Mosaic() const { return mosaic_; }

    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

protected:
    void Paint() override;

private:
    TPicture picture_;
    TBitmap mosaic_;
};

}  // namespace tresilva
