#include "tools/assetgen/BmpWriter.h"

#include "tools/assetgen/ByteWriter.h"

namespace tresilva {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::int32_t kPixelsPerMetre = 2835;  // 72 dpi

std::uint32_t Stride(int width, int bitsPerPixel) {
    return ((static_cast<std::uint32_t>(width) * bitsPerPixel + 31) / 32) * 4;
}

void WriteHeaders(ByteWriter& out, int width, int height, int bits, std::uint32_t paletteEntries) {
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize + paletteEntries * 4;
    const std::uint32_t imageSize = Stride(width, bits) * static_cast<std::uint32_t>(height);
    out.Bytes("BM");
    out.U32(offset + imageSize);
    out.U16(0);
    out.U16(0);
    out.U32(offset);
    out.U32(kInfoHeaderSize);
    out.I32(width);
    out.I32(height);  // positive: bottom-up
    out.U16(1);
    out.U16(static_cast<std::uint16_t>(bits));
    out.U32(0);  // BI_RGB
    out.U32(imageSize);
    out.I32(kPixelsPerMetre);
    out.I32(kPixelsPerMetre);
    out.U32(paletteEntries);
    out.U32(0);
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp24(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    ByteWriter out;
    WriteHeaders(out, image.width(), image.height(), 24, 0);
    const std::uint32_t pad = Stride(image.width(), 24) - static_cast<std::uint32_t>(image.width()) * 3;
    for (int y = image.height() - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            out.U8(static_cast<std::uint8_t>(qBlue(row[x])));
            out.U8(static_cast<std::uint8_t>(qGreen(row[x])));
            out.U8(static_cast<std::uint8_t>(qRed(row[x])));
        }
        for (std::uint32_t i = 0; i < pad; ++i) out.U8(0);
    }
    return out.Take();
}

std::vector<std::uint8_t> EncodeBmp8(const IndexedImage& image) {
    ByteWriter out;
    WriteHeaders(out, image.width, image.height, 8, 256);
    for (const QRgb c : image.palette) {
        out.U8(static_cast<std::uint8_t>(qBlue(c)));
        out.U8(static_cast<std::uint8_t>(qGreen(c)));
        out.U8(static_cast<std::uint8_t>(qRed(c)));
        out.U8(0);
    }
    const std::uint32_t pad = Stride(image.width, 8) - static_cast<std::uint32_t>(image.width);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) out.U8(image.At(x, y));
        for (std::uint32_t i = 0; i < pad; ++i) out.U8(0);
    }
    return out.Take();
}

}  // namespace tresilva
