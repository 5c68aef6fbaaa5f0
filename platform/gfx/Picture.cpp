#include "platform/gfx/Picture.h"

namespace tresilva {

void TPicture::SetBitmap(const TBitmap& bitmap) {
    if (&bitmap != &bitmap_) bitmap_ = bitmap;
    if (OnChange) OnChange();
}

void TPicture::Assign(const TPicture& other) {
    if (&other != this) bitmap_ = other.bitmap_;
    if (OnChange) OnChange();
}

void TPicture::Clear() {
    bitmap_ = TBitmap();
    if (OnChange) OnChange();
}

}  // namespace tresilva
