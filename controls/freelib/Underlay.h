#pragma once
// The off-screen copy that a shading control works on: what lies beneath the
// control, in the control's own coordinates, changed off-screen and written
// back with one block copy.
//
// Only the part of the control that its canvas can write (the area being
// repainted) is copied: every shading step reads and writes the same pixel,
// so the rest could never show. The copy's canvas keeps the control's
// coordinates, so checkerboards and shadow bounds are counted from the
// control's own corner whatever part is copied.
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Geometry.h"

namespace tresilva {

class TUnderlay {
public:
    // Copies the pixels under (0, 0, width, height) of `target`.
    TUnderlay(TCanvas& target, int width, int height);
    TUnderlay(const TUnderlay&) = delete;
    TUnderlay& operator=(const TUnderlay&) = delete;

    // The copy, addressed in the control's coordinates; writes outside the
    // copied part are dropped.
    TCanvas& Canvas() { return canvas_; }
    // The copied part, in the control's coordinates (empty when nothing shows).
    const TRect& Part() const { return part_; }
    // Writes the copy back over the same part of the target.
    void PutBack();

private:
    TCanvas& target_;
    TRect part_;
    TBitmap bitmap_;
    TCanvas canvas_;
};

}  // namespace tresilva
