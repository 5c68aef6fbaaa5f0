#pragma once
// An RGB raster of 8-bit channels: the surface everything is painted on.
// New pixels are white. Pixel access has the semantics the painting code
// relies on: a read outside gives CLR_INVALID, a write outside is ignored.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"

namespace tresilva {

class TCanvas;

class TBitmap {
public:
    TBitmap();                       // empty, 0 x 0
    TBitmap(int width, int height);  // white
    TBitmap(const TBitmap& other);
    TBitmap& operator=(const TBitmap& other);
    ~TBitmap();

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ <= 0 || height_ <= 0; }
    // Reallocates; every pixel becomes white. Negative sizes count as 0.
    void SetSize(int width, int height);

    TColor Pixel(int x, int y) const;             // 0x00BBGGRR, or CLR_INVALID outside
    void SetPixel(int x, int y, TColor color);    // system colours resolved; ignored outside

    // The bitmap's own canvas: origin (0, 0), writes clipped to the bitmap.
    TCanvas& Canvas();

    // Reads a whole Windows BMP file (uncompressed 1, 4, 8, 24 and 32 bits,
    // bottom-up and top-down). Anything else, a truncated or lying file
    // included, throws EInvalidGraphic; sizes are checked before allocating.
    static TBitmap FromBmpBytes(std::span<const std::uint8_t> bytes);
    // Writes a whole BMP file: the bytes it was read from when the pixels were
    // not changed since, else an uncompressed 24-bit bottom-up file.
    std::vector<std::uint8_t> ToBmpBytes() const;

    // Raw row access for fast block copies: 0x00BBGGRR per pixel.
    const std::uint32_t* Row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    std::uint32_t* MutableRow(int y);

private:
    void Touch();  // drops the original file bytes once pixels change
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
    std::vector<std::uint8_t> original_;  // the file this bitmap was read from, while unchanged
    std::unique_ptr<TCanvas> canvas_;
};

}  // namespace tresilva
