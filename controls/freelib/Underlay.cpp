#include "controls/freelib/Underlay.h"

namespace tresilva {

namespace {
// What `canvas` can write, in its own coordinates.
TRect WritablePart(const TCanvas& canvas, int width, int height) {
    const TBitmap& surface = canvas.Surface();
    const TRect writable = Intersect(canvas.ClipRect(), Rect(0, 0, surface.Width(), surface.Height()));
    const TPoint o = canvas.Origin();
    return Intersect(Offset(writable, -o.X, -o.Y), Rect(0, 0, width, height));
}
}  // namespace

TUnderlay::TUnderlay(TCanvas& target, int width, int height)
    : target_(target),
      part_(WritablePart(target, width, height)),
      bitmap_(part_.Width(), part_.Height()),
      canvas_(bitmap_, TPoint{-part_.Left, -part_.Top}, Rect(0, 0, part_.Width(), part_.Height())) {
    if (!part_.IsEmpty()) canvas_.CopyRect(part_, target_, part_);
}

void TUnderlay::PutBack() {
    if (!part_.IsEmpty()) target_.CopyRect(part_, canvas_, part_);
}

}  // namespace tresilva
