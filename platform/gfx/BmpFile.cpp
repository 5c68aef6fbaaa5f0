// Reading and writing Windows BMP files for TBitmap. Every size and offset in
// the file is checked against the bytes actually there before it is used, in
// 64-bit arithmetic, so a damaged or hostile file is an error and never an
// out-of-bounds read or a huge allocation.
#include <cstring>
#include <limits>

#include "platform/Errors.h"
#include "platform/gfx/Bitmap.h"

namespace tresilva {

namespace {

constexpr std::int64_t kMaxSide = 32768;
constexpr std::int64_t kMaxPixels = std::int64_t{64} << 20;  // 64 Mi pixels, 256 MiB in memory

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;

[[noreturn]] void Invalid() { throw EInvalidGraphic(); }

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::int64_t Size() const { return static_cast<std::int64_t>(bytes_.size()); }
    bool Has(std::int64_t offset, std::int64_t count) const {
        return offset >= 0 && count >= 0 && offset <= Size() && count <= Size() - offset;
    }
    std::uint32_t U8(std::int64_t at) const { return bytes_[static_cast<std::size_t>(at)]; }
    std::uint32_t U16(std::int64_t at) const { return U8(at) | (U8(at + 1) << 8); }
    std::uint32_t U32(std::int64_t at) const { return U16(at) | (U16(at + 2) << 16); }
    std::int32_t S32(std::int64_t at) const { return static_cast<std::int32_t>(U32(at)); }
    std::int32_t S16(std::int64_t at) const { return static_cast<std::int16_t>(U16(at)); }
    const std::uint8_t* Data(std::int64_t at) const { return bytes_.data() + at; }

private:
    std::span<const std::uint8_t> bytes_;
};

// One channel of a bit-field pixel: where it sits and how wide it is.
struct Channel {
    unsigned shift = 0;
    unsigned bits = 0;
    std::uint32_t mask = 0;
    bool Set(std::uint32_t m) {
        mask = m;
        if (m == 0) return true;  // channel absent: reads as 0
        shift = 0;
        while (((m >> shift) & 1u) == 0) ++shift;
        bits = 0;
        while (shift + bits < 32 && ((m >> (shift + bits)) & 1u) != 0) ++bits;
        // Only one contiguous run of bits makes sense.
        return shift + bits == 32 || (m >> (shift + bits)) == 0;
    }
    std::uint32_t Get(std::uint32_t v) const {
        if (bits == 0) return 0;
        const std::uint32_t raw = (v & mask) >> shift;
        if (bits >= 8) return raw >> (bits - 8);
        const std::uint32_t max = (1u << bits) - 1;
        return (raw * 255 + max / 2) / max;
    }
};

void PutLE16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void PutLE32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    PutLE16(out, v & 0xFFFF);
    PutLE16(out, v >> 16);
}

}  // namespace

TBitmap TBitmap::FromBmpBytes(std::span<const std::uint8_t> bytes) {
    const Reader in(bytes);
    // File header (14 bytes) and the size field of the info header.
    if (!in.Has(0, 18)) Invalid();
    if (in.U8(0) != 'B' || in.U8(1) != 'M') Invalid();
    // The file-size field is often wrong in files from the wild and is not
    // needed: every read below is checked against the real length instead.
    const std::int64_t pixelOffset = in.U32(10);
    const std::int64_t headerSize = in.U32(14);
    constexpr std::int64_t kInfo = 14;

    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t bitCount = 0;
    std::uint32_t compression = kBiRgb;
    std::int64_t colorsUsed = 0;
    std::int64_t paletteEntrySize = 4;
    bool masksInHeader = false;
    if (headerSize == 12) {  // the old core header
        if (!in.Has(kInfo, 12)) Invalid();
        width = in.S16(kInfo + 4);
        height = in.S16(kInfo + 6);
        bitCount = in.U16(kInfo + 10);
        paletteEntrySize = 3;
    } else if (headerSize == 40 || headerSize == 52 || headerSize == 56 || headerSize == 108 || headerSize == 124) {
        if (!in.Has(kInfo, headerSize)) Invalid();
        width = in.S32(kInfo + 4);
        height = in.S32(kInfo + 8);
        bitCount = in.U16(kInfo + 14);
        compression = in.U32(kInfo + 16);
        colorsUsed = in.U32(kInfo + 32);
        masksInHeader = headerSize >= 52;
    } else {
        Invalid();
    }

    // Negative height: rows stored top-down.
    const bool topDown = height < 0;
    if (topDown) height = -height;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) Invalid();
    if (width * height > kMaxPixels) Invalid();

    const bool paletted = bitCount == 1 || bitCount == 4 || bitCount == 8;
    if (!paletted && bitCount != 16 && bitCount != 24 && bitCount != 32) Invalid();
    if (compression == kBiBitfields) {
        if (bitCount != 16 && bitCount != 32) Invalid();
    } else if (compression != kBiRgb) {
        Invalid();  // run-length and embedded compressed images are not read
    }

    std::int64_t tableOffset = kInfo + headerSize;
    Channel red, green, blue;
    if (compression == kBiBitfields) {
        std::int64_t maskAt = kInfo + 40;
        if (!masksInHeader) {
            if (!in.Has(tableOffset, 12)) Invalid();
            tableOffset += 12;
        }
        if (!red.Set(in.U32(maskAt)) || !green.Set(in.U32(maskAt + 4)) || !blue.Set(in.U32(maskAt + 8))) Invalid();
    } else if (bitCount == 16) {
        red.Set(0x7C00);
        green.Set(0x03E0);
        blue.Set(0x001F);
    }

    // The palette: colorsUsed entries, or the full 2^bits when 0.
    std::uint32_t palette[256] = {};
    std::int64_t paletteCount = 0;
    if (paletted) {
        const std::int64_t full = std::int64_t{1} << bitCount;
        if (colorsUsed > full) Invalid();
        paletteCount = colorsUsed == 0 ? full : colorsUsed;
        if (!in.Has(tableOffset, paletteCount * paletteEntrySize)) Invalid();
        for (std::int64_t i = 0; i < paletteCount; ++i) {
            const std::int64_t at = tableOffset + i * paletteEntrySize;
            // Stored blue, green, red.
            palette[i] = in.U8(at + 2) | (in.U8(at + 1) << 8) | (in.U8(at) << 16);
        }
    }

    const std::int64_t stride = (width * bitCount + 31) / 32 * 4;
    if (pixelOffset < kInfo + headerSize) Invalid();  // pixels inside the headers: a lying header
    // Every row, the last one's padding included, must be in the file.
    if (!in.Has(pixelOffset, stride * height)) Invalid();

    TBitmap result;
    result.width_ = static_cast<int>(width);
    result.height_ = static_cast<int>(height);
    result.pixels_.resize(static_cast<std::size_t>(width * height));
    for (std::int64_t row = 0; row < height; ++row) {
        const std::uint8_t* src = in.Data(pixelOffset + row * stride);
        const std::int64_t y = topDown ? row : height - 1 - row;
        std::uint32_t* dst = result.pixels_.data() + y * width;
        for (std::int64_t x = 0; x < width; ++x) {
            std::uint32_t color = 0;
            switch (bitCount) {
                case 1:
                case 4:
                case 8: {
                    const std::int64_t bit = x * bitCount;
                    const unsigned shift = static_cast<unsigned>(8 - bitCount - (bit % 8));
                    const std::uint32_t index = (src[bit / 8] >> shift) & ((1u << bitCount) - 1);
                    // An index past a short palette is black, not a read past it.
                    color = index < paletteCount ? palette[index] : 0;
                    break;
                }
                case 16:
                case 32: {
                    const std::uint32_t v = bitCount == 16
                                                ? (src[x * 2] | (std::uint32_t{src[x * 2 + 1]} << 8))
                                                : (src[x * 4] | (std::uint32_t{src[x * 4 + 1]} << 8) |
                                                   (std::uint32_t{src[x * 4 + 2]} << 16) |
                                                   (std::uint32_t{src[x * 4 + 3]} << 24));
                    if (bitCount == 32 && compression == kBiRgb) {
                        color = ((v >> 16) & 0xFF) | (v & 0xFF00) | ((v & 0xFF) << 16);
                    } else {
                        color = red.Get(v) | (green.Get(v) << 8) | (blue.Get(v) << 16);
                    }
                    break;
                }
                case 24:
                    color = src[x * 3 + 2] | (std::uint32_t{src[x * 3 + 1]} << 8) | (std::uint32_t{src[x * 3]} << 16);
                    break;
                default:
                    break;
            }
            dst[x] = color;
        }
    }
    result.original_.assign(bytes.begin(), bytes.end());
    return result;
}

std::vector<std::uint8_t> TBitmap::ToBmpBytes() const {
    if (!original_.empty()) return original_;
    if (Empty()) return {};
    const std::uint32_t stride = (static_cast<std::uint32_t>(width_) * 3 + 3) / 4 * 4;
    const std::uint64_t imageSize = std::uint64_t{stride} * static_cast<std::uint64_t>(height_);
    const std::uint64_t fileSize = 54 + imageSize;
    if (fileSize > std::numeric_limits<std::uint32_t>::max()) throw EInvalidGraphic();
    std::vector<std::uint8_t> out;
    out.reserve(static_cast<std::size_t>(fileSize));
    out.push_back('B');
    out.push_back('M');
    PutLE32(out, static_cast<std::uint32_t>(fileSize));
    PutLE32(out, 0);
    PutLE32(out, 54);
    PutLE32(out, 40);
    PutLE32(out, static_cast<std::uint32_t>(width_));
    PutLE32(out, static_cast<std::uint32_t>(height_));
    PutLE16(out, 1);
    PutLE16(out, 24);
    PutLE32(out, kBiRgb);
    PutLE32(out, static_cast<std::uint32_t>(imageSize));
    PutLE32(out, 0);
    PutLE32(out, 0);
    PutLE32(out, 0);
    PutLE32(out, 0);
    for (int y = height_ - 1; y >= 0; --y) {
        const std::uint32_t* row = Row(y);
        for (int x = 0; x < width_; ++x) {
            out.push_back(static_cast<std::uint8_t>(row[x] >> 16));
            out.push_back(static_cast<std::uint8_t>(row[x] >> 8));
            out.push_back(static_cast<std::uint8_t>(row[x]));
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(width_) * 3; pad < stride; ++pad) out.push_back(0);
    }
    return out;
}

}  // namespace tresilva
