#pragma once
// Windows icon and cursor files: the 6-byte directory, one 16-byte entry, then
// the image as a BMP without its file header, height doubled for the AND mask.
#include <cstdint>
#include <vector>

#include "tools/assetgen/Palette.h"

namespace tresilva {

// A single 256-colour image, wholly opaque (its AND mask is all zeros).
std::vector<std::uint8_t> EncodeIco8(const IndexedImage& image);

}  // namespace tresilva
