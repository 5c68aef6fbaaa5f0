#include "controls/cursors/CursorFile.h"

#include <cstddef>

namespace tresilva {

namespace {

// Little-endian reads that never pass the end (a short read gives false).
class Bytes {
public:
    explicit Bytes(std::span<const std::uint8_t> data) : data_(data) {}
    bool Has(std::size_t offset, std::size_t size) const {
        return offset <= data_.size() && size <= data_.size() - offset;
    }
    std::uint32_t U8(std::size_t at) const { return data_[at]; }
    std::uint32_t U16(std::size_t at) const { return U8(at) | (U8(at + 1) << 8); }
    std::uint32_t U32(std::size_t at) const { return U16(at) | (U16(at + 2) << 16); }

private:
    std::span<const std::uint8_t> data_;
};

constexpr int kSize = TCursorImage::Size;
constexpr std::size_t kRowBytes = kSize / 8;  // 32 bits: already a whole 4-byte row
constexpr std::size_t kMaskBytes = kRowBytes * kSize;

}  // namespace

TCursorHandle DecodeCursorFile(std::span<const std::uint8_t> bytes) {
    const Bytes in(bytes);
    // The directory: reserved 0, type 2 (cursor), at least one image.
    if (!in.Has(0, 6) || in.U16(0) != 0 || in.U16(2) != 2 || in.U16(4) == 0) return nullptr;
    const std::size_t count = in.U16(4);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = 6 + i * 16;
        if (!in.Has(entry, 16)) return nullptr;
        if (in.U8(entry) != kSize || in.U8(entry + 1) != kSize) continue;
        const int hotX = static_cast<int>(in.U16(entry + 4));
        const int hotY = static_cast<int>(in.U16(entry + 6));
        const std::size_t size = in.U32(entry + 8);
        const std::size_t offset = in.U32(entry + 12);
        if (!in.Has(offset, size) || hotX >= kSize || hotY >= kSize) return nullptr;

        // The image: an information header whose height counts both masks.
        const std::size_t header = offset;
        if (size < 40 || in.U32(header) < 40 || !in.Has(header, in.U32(header))) return nullptr;
        const std::size_t headerSize = in.U32(header);
        if (in.U32(header + 4) != kSize || in.U32(header + 8) != 2 * kSize || in.U16(header + 12) != 1 ||
            in.U16(header + 14) != 1 || in.U32(header + 16) != 0) {
            continue;  // not a monochrome 32 x 32 image
        }
        const std::size_t colours = in.U32(header + 32) == 0 ? 2 : in.U32(header + 32);
        if (colours != 2) return nullptr;
        const std::size_t palette = header + headerSize;
        const std::size_t xorBits = palette + 4 * colours;
        const std::size_t andBits = xorBits + kMaskBytes;
        if (andBits + kMaskBytes > offset + size || !in.Has(xorBits, 2 * kMaskBytes)) return nullptr;

        // An XOR bit is set where its palette colour is light (white).
        bool light[2];
        for (std::size_t c = 0; c < 2; ++c) {
            const std::size_t at = palette + 4 * c;
            light[c] = in.U8(at) + in.U8(at + 1) + in.U8(at + 2) >= 3 * 128;
        }
        auto image = std::make_unique<TCursorImage>();
        image->HotSpotX = hotX;
        image->HotSpotY = hotY;
        for (int y = 0; y < kSize; ++y) {
            // Rows are stored bottom-up.
            const std::size_t row = static_cast<std::size_t>(kSize - 1 - y) * kRowBytes;
            for (std::size_t b = 0; b < kRowBytes; ++b) {
                const std::size_t at = static_cast<std::size_t>(y) * kRowBytes + b;
                image->AndMask[at] = static_cast<std::uint8_t>(in.U8(andBits + row + b));
                std::uint8_t x = 0;
                const std::uint32_t stored = in.U8(xorBits + row + b);
                for (int bit = 7; bit >= 0; --bit) {
                    if (light[(stored >> bit) & 1u]) x = static_cast<std::uint8_t>(x | (1u << bit));
                }
                image->XorMask[at] = x;
            }
        }
        return image;
    }
    return nullptr;
}

}  // namespace tresilva
