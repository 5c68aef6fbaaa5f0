#pragma once
// Reading a monochrome cursor file (the CUR format: a directory of images,
// each a 1-bit-per-pixel bitmap with its XOR and AND masks, plus a hot spot).
#include <cstdint>
#include <span>

#include "platform/ui/Cursors.h"

namespace tresilva {

// The file's 32 x 32 monochrome image with its hot spot, or an empty handle
// when the bytes are not such a cursor file (truncated, another size or
// depth, a hot spot outside the image).
TCursorHandle DecodeCursorFile(std::span<const std::uint8_t> bytes);

}  // namespace tresilva
