#pragma once
// Windows BMP files written byte by byte, so the exact layout is ours: no
// compression, bottom-up rows padded to four bytes, 72 dpi.
#include <cstdint>
#include <vector>

#include <QImage>

#include "tools/assetgen/Palette.h"

namespace tresilva {

// 24-bit: 54-byte headers, then the rows.
std::vector<std::uint8_t> EncodeBmp24(const QImage& image);
// 8-bit: 54-byte headers, exactly 256 palette entries, pixel data at 1078.
std::vector<std::uint8_t> EncodeBmp8(const IndexedImage& image);

}  // namespace tresilva
