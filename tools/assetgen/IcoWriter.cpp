#include "tools/assetgen/IcoWriter.h"

#include "tools/assetgen/ByteWriter.h"

namespace tresilva {

std::vector<std::uint8_t> EncodeIco8(const IndexedImage& image) {
    const std::uint32_t xorStride = (static_cast<std::uint32_t>(image.width) + 3) / 4 * 4;
    const std::uint32_t andStride = (static_cast<std::uint32_t>(image.width) + 31) / 32 * 4;
    const std::uint32_t pixels = (xorStride + andStride) * static_cast<std::uint32_t>(image.height);
    const std::uint32_t dibSize = 40 + 256 * 4 + pixels;
    ByteWriter out;
    out.U16(0);  // reserved
    out.U16(1);  // icon
    out.U16(1);  // one image
    out.U8(static_cast<std::uint8_t>(image.width));
    out.U8(static_cast<std::uint8_t>(image.height));
    out.U8(0);  // 256 colours
    out.U8(0);
    out.U16(1);  // planes
    out.U16(8);  // bits per pixel
    out.U32(dibSize);
    out.U32(6 + 16);
    out.U32(40);
    out.I32(image.width);
    out.I32(image.height * 2);
    out.U16(1);
    out.U16(8);
    out.U32(0);
    out.U32(pixels);
    out.I32(0);
    out.I32(0);
    out.U32(256);
    out.U32(0);
    for (const QRgb c : image.palette) {
        out.U8(static_cast<std::uint8_t>(qBlue(c)));
        out.U8(static_cast<std::uint8_t>(qGreen(c)));
        out.U8(static_cast<std::uint8_t>(qRed(c)));
        out.U8(0);
    }
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) out.U8(image.At(x, y));
        for (std::uint32_t i = static_cast<std::uint32_t>(image.width); i < xorStride; ++i) out.U8(0);
    }
    for (int y = 0; y < image.height; ++y)
        for (std::uint32_t i = 0; i < andStride; ++i) out.U8(0);
    return out.Take();
}

}  // namespace tresilva
