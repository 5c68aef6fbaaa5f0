#pragma once
// A picture holds a bitmap (the only kind of picture the system uses).
#include <functional>

#include "platform/gfx/Bitmap.h"

namespace tresilva {

class TPicture {
public:
    int Width() const { return bitmap_.Width(); }
    int Height() const { return bitmap_.Height(); }
    TBitmap& Bitmap() { return bitmap_; }
    const TBitmap& Bitmap() const { return bitmap_; }
    void SetBitmap(const TBitmap& bitmap);
    void Assign(const TPicture& other);  // copies the image
    void Clear();

    std::function<void()> OnChange;

private:
    TBitmap bitmap_;
};

}  // namespace tresilva
