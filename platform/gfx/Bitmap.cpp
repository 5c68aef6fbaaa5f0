#include "platform/gfx/Bitmap.h"

#include "platform/gfx/Canvas.h"

namespace tresilva {

namespace {
constexpr std::uint32_t kWhite = 0x00FFFFFFu;
}

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height) { SetSize(width, height); }

TBitmap::TBitmap(const TBitmap& other)
    : width_(other.width_), height_(other.height_), pixels_(other.pixels_), original_(other.original_) {}

TBitmap& TBitmap::operator=(const TBitmap& other) {
    if (this == &other) return *this;
    width_ = other.width_;
    height_ = other.height_;
    pixels_ = other.pixels_;
    original_ = other.original_;
    if (canvas_) canvas_->SetClipRect(Rect(0, 0, width_, height_));
    return *this;
}

TBitmap::~TBitmap() = default;

void TBitmap::SetSize(int width, int height) {
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    if (width == 0 || height == 0) {
        width_ = width;
        height_ = height;
        pixels_.clear();
    } else {
        pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), kWhite);
        width_ = width;
        height_ = height;
    }
    original_.clear();
    if (canvas_) canvas_->SetClipRect(Rect(0, 0, width_, height_));
}

TColor TBitmap::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
    return static_cast<TColor>(pixels_[static_cast<std::size_t>(y) * width_ + x]);
}

void TBitmap::SetPixel(int x, int y, TColor color) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    Touch();
    pixels_[static_cast<std::size_t>(y) * width_ + x] = static_cast<std::uint32_t>(ColorToRGB(color)) & 0x00FFFFFFu;
}

TCanvas& TBitmap::Canvas() {
    if (!canvas_) canvas_ = std::make_unique<TCanvas>(*this);
    return *canvas_;
}

std::uint32_t* TBitmap::MutableRow(int y) {
    Touch();
    return pixels_.data() + static_cast<std::size_t>(y) * width_;
}

void TBitmap::Touch() {
    if (!original_.empty()) {
        original_.clear();
        original_.shrink_to_fit();
    }
}

}  // namespace tresilva
