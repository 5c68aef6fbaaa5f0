#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Errors.h"
#include "platform/gfx/Bitmap.h"

namespace tresilva {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& b, std::size_t at, std::uint32_t v) {
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
    Put16(b, at, v & 0xFFFF);
    Put16(b, at + 2, v >> 16);
}

// A small picture given as colours, top row first.
using Grid = std::vector<std::vector<TColor>>;

// The colours a test picture uses; paletted files index into them.
const std::vector<TColor> kPalette = {RGB(0, 0, 0),      RGB(255, 255, 255), RGB(255, 0, 0),   RGB(0, 128, 0),
                                      RGB(0, 0, 255),    RGB(10, 20, 30),    RGB(200, 100, 50), RGB(1, 2, 3)};

Grid TestGrid(int width, int height, int colours) {
    Grid grid(static_cast<std::size_t>(height), std::vector<TColor>(static_cast<std::size_t>(width)));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) grid[y][x] = kPalette[static_cast<std::size_t>((x * 3 + y * 5 + x * y) % colours)];
    return grid;
}

int IndexOf(TColor c) {
    for (std::size_t i = 0; i < kPalette.size(); ++i)
        if (kPalette[i] == c) return static_cast<int>(i);
    return 0;
}

// Writes a BMP file the way common writers do: 40-byte header (or 12-byte
// core header), palette after the header, rows padded to 4 bytes.
Bytes Encode(const Grid& grid, int bits, bool topDown = false, bool coreHeader = false) {
    const int height = static_cast<int>(grid.size());
    const int width = static_cast<int>(grid[0].size());
    const std::uint32_t headerSize = coreHeader ? 12 : 40;
    const std::uint32_t entrySize = coreHeader ? 3 : 4;
    const std::uint32_t colours = bits <= 8 ? (1u << bits) : 0;
    const std::uint32_t offset = 14 + headerSize + colours * entrySize;
    const std::uint32_t stride = (static_cast<std::uint32_t>(width) * bits + 31) / 32 * 4;
    Bytes b(offset + stride * height, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<std::uint32_t>(b.size()));
    Put32(b, 10, offset);
    Put32(b, 14, headerSize);
    if (coreHeader) {
        Put16(b, 18, static_cast<std::uint32_t>(width));
        Put16(b, 20, static_cast<std::uint32_t>(topDown ? -height : height));
        Put16(b, 22, 1);
        Put16(b, 24, static_cast<std::uint32_t>(bits));
    } else {
        Put32(b, 18, static_cast<std::uint32_t>(width));
        Put32(b, 22, static_cast<std::uint32_t>(topDown ? -height : height));
        Put16(b, 26, 1);
        Put16(b, 28, static_cast<std::uint32_t>(bits));
        Put32(b, 34, stride * height);
    }
    for (std::uint32_t i = 0; i < colours; ++i) {
        const TColor c = i < kPalette.size() ? kPalette[i] : RGB(77, 77, 77);
        const std::size_t at = 14 + headerSize + i * entrySize;
        b[at] = static_cast<std::uint8_t>(GetBValue(c));
        b[at + 1] = static_cast<std::uint8_t>(GetGValue(c));
        b[at + 2] = static_cast<std::uint8_t>(GetRValue(c));
    }
    for (int y = 0; y < height; ++y) {
        const int row = topDown ? y : height - 1 - y;
        std::uint8_t* p = b.data() + offset + static_cast<std::size_t>(row) * stride;
        for (int x = 0; x < width; ++x) {
            const TColor c = grid[y][x];
            if (bits <= 8) {
                const int bit = x * bits;
                p[bit / 8] |= static_cast<std::uint8_t>(IndexOf(c) << (8 - bits - bit % 8));
            } else if (bits == 16) {
                const std::uint32_t v = (GetRValue(c) >> 3) << 10 | (GetGValue(c) >> 3) << 5 | (GetBValue(c) >> 3);
                p[x * 2] = static_cast<std::uint8_t>(v);
                p[x * 2 + 1] = static_cast<std::uint8_t>(v >> 8);
            } else {
                const int n = bits / 8;
                p[x * n] = static_cast<std::uint8_t>(GetBValue(c));
                p[x * n + 1] = static_cast<std::uint8_t>(GetGValue(c));
                p[x * n + 2] = static_cast<std::uint8_t>(GetRValue(c));
            }
        }
    }
    return b;
}

void ExpectPixels(const TBitmap& bitmap, const Grid& grid, const std::string& what) {
    ASSERT_EQ(bitmap.Height(), static_cast<int>(grid.size())) << what;
    ASSERT_EQ(bitmap.Width(), static_cast<int>(grid[0].size())) << what;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            ASSERT_EQ(bitmap.Pixel(x, y), grid[y][x]) << what << " at " << x << "," << y;
}

TEST(BmpFile, ReadsUncompressedFilesPixelForPixel) {
    struct Row {
        int bits;
        int colours;  // how many palette colours the picture uses
    };
    // Odd widths exercise the row padding and the packing of sub-byte pixels.
    for (const Row row : {Row{1, 2}, Row{4, 8}, Row{8, 8}, Row{24, 8}, Row{32, 8}}) {
        for (const bool topDown : {false, true}) {
            for (const int width : {1, 5, 13}) {
                const Grid grid = TestGrid(width, 3, row.colours);
                const std::string what = std::to_string(row.bits) + " bits, width " + std::to_string(width) +
                                         (topDown ? ", top-down" : ", bottom-up");
                ExpectPixels(TBitmap::FromBmpBytes(Encode(grid, row.bits, topDown)), grid, what);
            }
        }
    }
}

TEST(BmpFile, ReadsCoreHeadersAndSixteenBitFiles) {
    const Grid grid = TestGrid(7, 4, 8);
    ExpectPixels(TBitmap::FromBmpBytes(Encode(grid, 8, false, true)), grid, "core header, 8 bits");
    ExpectPixels(TBitmap::FromBmpBytes(Encode(grid, 24, true, true)), grid, "core header, 24 bits");
    // 5 bits per channel: expanded back to the full 0..255 range.
    Grid sixteen = {{RGB(255, 255, 255), RGB(0, 0, 0), RGB(248, 0, 0)}};
    const TBitmap b = TBitmap::FromBmpBytes(Encode(sixteen, 16));
    EXPECT_EQ(b.Pixel(0, 0), RGB(255, 255, 255));
    EXPECT_EQ(b.Pixel(1, 0), RGB(0, 0, 0));
    EXPECT_EQ(b.Pixel(2, 0), RGB(255, 0, 0));
}

TEST(BmpFile, ReadsThirtyTwoBitFilesWithBitFields) {
    const Grid grid = TestGrid(3, 2, 8);
    Bytes b = Encode(grid, 32);
    // Same layout as plain 32 bits, with the masks spelled out after the header.
    Bytes withMasks(b.begin(), b.begin() + 54);
    for (std::uint32_t mask : {0x00FF0000u, 0x0000FF00u, 0x000000FFu}) {
        for (int i = 0; i < 4; ++i) withMasks.push_back(static_cast<std::uint8_t>(mask >> (8 * i)));
    }
    withMasks.insert(withMasks.end(), b.begin() + 54, b.end());
    Put32(withMasks, 10, 66);
    Put32(withMasks, 30, 3);
    ExpectPixels(TBitmap::FromBmpBytes(withMasks), grid, "bit fields");
}

TEST(BmpFile, PaletteIndexPastAShortPaletteIsBlack) {
    Grid grid = {{kPalette[2], kPalette[6]}};
    Bytes b = Encode(grid, 8);
    Put32(b, 46, 4);  // only four colours declared: index 6 has none
    const TBitmap bitmap = TBitmap::FromBmpBytes(b);
    EXPECT_EQ(bitmap.Pixel(0, 0), kPalette[2]);
    EXPECT_EQ(bitmap.Pixel(1, 0), clBlack);
}

TEST(BmpFile, HarmlessHeaderLiesAreTolerated) {
    const Grid grid = TestGrid(4, 4, 8);
    Bytes b = Encode(grid, 8);
    Put32(b, 2, 0);           // file size field wrong
    Put32(b, 34, 0);          // image size field absent
    Put16(b, 26, 0);          // planes
    b.push_back(0xAB);        // trailing bytes after the pixels
    ExpectPixels(TBitmap::FromBmpBytes(b), grid, "lenient");
}

TEST(BmpFile, AnEightBitFrameIsWrittenBackByteIdentical) {
    // The size of the animation frames: 61 x 43 pixels at 8 bits is a 3830-byte file.
    const Grid grid = TestGrid(61, 43, 8);
    const Bytes file = Encode(grid, 8);
    ASSERT_EQ(file.size(), 3830u);
    const TBitmap bitmap = TBitmap::FromBmpBytes(file);
    ExpectPixels(bitmap, grid, "frame");
    EXPECT_EQ(bitmap.ToBmpBytes(), file);
    TBitmap copy(bitmap);
    EXPECT_EQ(copy.ToBmpBytes(), file);
}

TEST(BmpFile, AChangedBitmapIsWrittenAsTwentyFourBitsThatReadBack) {
    TBitmap bitmap = TBitmap::FromBmpBytes(Encode(TestGrid(5, 3, 8), 8));
    bitmap.SetPixel(2, 1, RGB(9, 8, 7));
    const Bytes written = bitmap.ToBmpBytes();
    EXPECT_EQ(written.size(), 54u + 16u * 3u);
    EXPECT_EQ(written[28], 24);
    const TBitmap back = TBitmap::FromBmpBytes(written);
    EXPECT_EQ(back.Width(), 5);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(back.Pixel(x, y), bitmap.Pixel(x, y));
    EXPECT_EQ(back.ToBmpBytes(), written);
    EXPECT_TRUE(TBitmap().ToBmpBytes().empty());
}

TEST(BmpFile, DamagedFilesAreInvalidGraphics) {
    const Bytes good8 = Encode(TestGrid(6, 4, 8), 8);
    const Bytes good24 = Encode(TestGrid(6, 4, 8), 24);
    struct Case {
        const char* name;
        std::function<Bytes()> make;
    };
    auto with = [](Bytes b, const std::function<void(Bytes&)>& change) {
        change(b);
        return b;
    };
    const Case cases[] = {
        {"empty", [] { return Bytes{}; }},
        {"magic only", [] { return Bytes{'B', 'M'}; }},
        {"bad magic", [&] { return with(good24, [](Bytes& b) { b[0] = 'M'; b[1] = 'B'; }); }},
        {"header cut", [&] { return Bytes(good24.begin(), good24.begin() + 30); }},
        {"last row cut", [&] { return Bytes(good24.begin(), good24.end() - 1); }},
        {"pixels missing", [&] { return Bytes(good24.begin(), good24.begin() + 54); }},
        {"palette past the end", [&] { return Bytes(good8.begin(), good8.begin() + 54 + 100); }},
        {"colour count past the end", [&] { return with(good8, [](Bytes& b) { Put32(b, 46, 0xFFFFFFFFu); }); }},
        {"more colours than the bits allow", [&] { return with(good8, [](Bytes& b) { Put32(b, 46, 257); }); }},
        {"pixel offset past the end", [&] { return with(good24, [](Bytes& b) { Put32(b, 10, static_cast<std::uint32_t>(b.size())); }); }},
        {"pixel offset huge", [&] { return with(good24, [](Bytes& b) { Put32(b, 10, 0xFFFFFFF0u); }); }},
        {"pixel offset inside the header", [&] { return with(good24, [](Bytes& b) { Put32(b, 10, 20); }); }},
        {"zero width", [&] { return with(good24, [](Bytes& b) { Put32(b, 18, 0); }); }},
        {"zero height", [&] { return with(good24, [](Bytes& b) { Put32(b, 22, 0); }); }},
        {"negative width", [&] { return with(good24, [](Bytes& b) { Put32(b, 18, static_cast<std::uint32_t>(-6)); }); }},
        {"most negative height", [&] { return with(good24, [](Bytes& b) { Put32(b, 22, 0x80000000u); }); }},
        {"width beyond the file", [&] { return with(good24, [](Bytes& b) { Put32(b, 18, 7); }); }},
        {"absurd width", [&] { return with(good24, [](Bytes& b) { Put32(b, 18, 0x7FFFFFFFu); }); }},
        {"size overflow", [&] { return with(good24, [](Bytes& b) { Put32(b, 18, 0x10000); Put32(b, 22, 0x10000); }); }},
        {"row size overflow", [&] { return with(good24, [](Bytes& b) { Put32(b, 18, 0x40000001u); Put32(b, 22, 1); }); }},
        {"header size zero", [&] { return with(good24, [](Bytes& b) { Put32(b, 14, 0); }); }},
        {"header size unknown", [&] { return with(good24, [](Bytes& b) { Put32(b, 14, 64); }); }},
        {"header size past the end", [&] { return with(good24, [](Bytes& b) { Put32(b, 14, 124); b.resize(100); }); }},
        {"zero bits", [&] { return with(good24, [](Bytes& b) { Put16(b, 28, 0); }); }},
        {"two bits", [&] { return with(good24, [](Bytes& b) { Put16(b, 28, 2); }); }},
        {"64 bits", [&] { return with(good24, [](Bytes& b) { Put16(b, 28, 64); }); }},
        {"run-length 8", [&] { return with(good8, [](Bytes& b) { Put32(b, 30, 1); }); }},
        {"run-length 4", [&] { return with(good8, [](Bytes& b) { Put32(b, 30, 2); }); }},
        {"embedded JPEG", [&] { return with(good24, [](Bytes& b) { Put32(b, 30, 4); }); }},
        {"embedded PNG", [&] { return with(good24, [](Bytes& b) { Put32(b, 30, 5); }); }},
        {"bit fields on 24 bits", [&] { return with(good24, [](Bytes& b) { Put32(b, 30, 3); }); }},
        {"bit fields on a palette", [&] { return with(good8, [](Bytes& b) { Put32(b, 30, 3); }); }},
        {"scattered bit-field mask", [&] {
             Bytes b = Encode(TestGrid(2, 2, 8), 32);
             Put32(b, 30, 3);
             Put32(b, 54, 0x00F0F000u);  // the masks overlap the first pixels here
             return b;
         }},
    };
    for (const Case& c : cases) {
        const Bytes bytes = c.make();
        try {
            TBitmap::FromBmpBytes(bytes);
            ADD_FAILURE() << c.name << ": read without error";
        } catch (const EInvalidGraphic& e) {
            EXPECT_STREQ(e.what(), "Image bitmap incorrecte") << c.name;
        }
    }
}

}  // namespace
}  // namespace tresilva
