// A frame's image as a layout stores it: a 32-bit little-endian length, then
// a whole BMP file. Every frame the program ships reads back through it.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "controls/freelib/ImageCtrl.h"
#include "platform/Errors.h"
#include "platform/ui/Properties.h"

namespace tresilva::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes Block(const Bytes& file) {
    const auto n = static_cast<std::uint32_t>(file.size());
    Bytes block(file.size() + 4);
    for (std::size_t i = 0; i < 4; ++i) block[i] = static_cast<std::uint8_t>(n >> (8 * i));
    std::copy(file.begin(), file.end(), block.begin() + 4);
    return block;
}

const std::filesystem::path kFrames = std::filesystem::path(TRESILVA_SOURCE_DIR) / "assets" / "frames";

void WriteData(TImageCtrl& frame, const Bytes& block) { GetProperty(frame, "Bmp.Data").SetBytes(frame, block); }
Bytes ReadData(TImageCtrl& frame) { return GetProperty(frame, "Bmp.Data").GetBytes(frame); }

TEST(FrameBlockTest, AMainWindowFrameIsA3834ByteValueWrittenBackUnchanged) {
    const Bytes file = ReadFile(kFrames / "euro" / "EURO1.BMP");
    ASSERT_EQ(file.size(), 3830u);
    const Bytes block = Block(file);
    ASSERT_EQ(block.size(), 3834u);
    EXPECT_EQ(Bytes(block.begin(), block.begin() + 4), (Bytes{0xF6, 0x0E, 0x00, 0x00}));  // 3830
    TImageCtrl frame(nullptr);
    WriteData(frame, block);
    EXPECT_EQ(frame.Bmp().Width(), 61);
    EXPECT_EQ(frame.Bmp().Height(), 43);
    EXPECT_EQ(ReadData(frame), block);  // the 8-bit file itself, byte for byte
}

TEST(FrameBlockTest, AnEmptyFrameWritesALengthOfZero) {
    TImageCtrl frame(nullptr);
    EXPECT_EQ(ReadData(frame), (Bytes{0, 0, 0, 0}));
}

TEST(FrameBlockTest, AChangedImageWritesItsOwnFile) {
    TImageCtrl frame(nullptr);
    WriteData(frame, Block(ReadFile(kFrames / "globe" / "IMAGE1.BMP")));
    frame.Bmp().SetPixel(0, 0, RGB(9, 8, 7));
    TImageCtrl copy(nullptr);
    WriteData(copy, ReadData(frame));
    EXPECT_EQ(copy.Bmp().Pixel(0, 0), RGB(9, 8, 7));
    EXPECT_EQ(copy.Bmp().Pixel(38, 41), frame.Bmp().Pixel(38, 41));
}

TEST(FrameBlockTest, ADamagedBlockIsRejectedAndTheImageStays) {
    const Bytes good = Block(ReadFile(kFrames / "euro" / "EURO2.BMP"));
    struct Case {
        const char* what;
        std::function<Bytes()> make;
    };
    const Case cases[] = {
        {"empty", [] { return Bytes{}; }},
        {"shorter than its length", [&] { return Bytes{0x10, 0, 0, 0}; }},
        {"length too large", [&] { Bytes b = good; b[0] = static_cast<std::uint8_t>(b[0] + 1); return b; }},
        {"length too small", [&] { Bytes b = good; b[0] = static_cast<std::uint8_t>(b[0] - 1); return b; }},
        {"file cut short", [&] { return Block(Bytes(good.begin() + 4, good.end() - 100)); }},
        {"not a BMP file", [&] { Bytes b = good; b[4] = 'X'; return b; }},
        {"pixel offset past the end", [&] { Bytes b = good; b[4 + 10] = 0xFF; b[4 + 11] = 0xFF; return b; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TImageCtrl frame(nullptr);
        WriteData(frame, Block(ReadFile(kFrames / "globe" / "IMAGE2.BMP")));
        const TColor before = frame.Bmp().Pixel(20, 20);
        try {
            WriteData(frame, c.make());
            ADD_FAILURE() << "no error";
        } catch (const EInvalidGraphic& e) {
            EXPECT_STREQ(e.what(), "Image bitmap incorrecte");
        }
        EXPECT_EQ(frame.Bmp().Width(), 39);
        EXPECT_EQ(frame.Bmp().Pixel(20, 20), before);
    }
}

TEST(FrameBlockTest, GivingAFrameABitmapCopiesTheImage) {
    TImageCtrl frame(nullptr);
    TBitmap other(3, 2);
    other.SetPixel(1, 1, clRed);
    GetProperty(frame, "Bmp").SetBitmap(frame, other);
    other.SetPixel(1, 1, clBlue);
    EXPECT_EQ(frame.Bmp().Pixel(1, 1), clRed);
    EXPECT_NE(&frame.Bmp(), &other);
}

// Every committed frame, decoded here by Qt, must come out of the frame block
// with the same size and the same pixels, and be written back unchanged.
TEST(FrameBlockTest, EveryCommittedFrameReadsBackWithItsSizeAndPixels) {
    struct Animation {
        const char* folder;
        int frames, width, height;
        std::size_t blockSize;
    };
    for (const Animation& a : {Animation{"euro", 6, 61, 43, 3834}, Animation{"floppy", 36, 50, 40, 3162},
                               Animation{"globe", 12, 39, 42, 2762}}) {
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(kFrames / a.folder)) files.push_back(entry.path());
        EXPECT_EQ(static_cast<int>(files.size()), a.frames) << a.folder;
        for (const auto& path : files) {
            SCOPED_TRACE(path.string());
            const Bytes file = ReadFile(path);
            const Bytes block = Block(file);
            EXPECT_EQ(block.size(), a.blockSize);
            ASSERT_GE(file.size(), 54u);
            EXPECT_EQ(file[28], 8);  // 8 bits a pixel
            EXPECT_EQ(file[10] | (file[11] << 8), 1078);
            TImageCtrl frame(nullptr);
            WriteData(frame, block);
            const QImage reference = QImage::fromData(file.data(), static_cast<int>(file.size()), "BMP");
            ASSERT_FALSE(reference.isNull());
            ASSERT_EQ(frame.Bmp().Width(), a.width);
            ASSERT_EQ(frame.Bmp().Height(), a.height);
            ASSERT_EQ(reference.width(), a.width);
            ASSERT_EQ(reference.height(), a.height);
            for (int y = 0; y < a.height; ++y) {
                for (int x = 0; x < a.width; ++x) {
                    const QRgb q = reference.pixel(x, y);
                    ASSERT_EQ(frame.Bmp().Pixel(x, y), RGB(qRed(q), qGreen(q), qBlue(q))) << x << ", " << y;
                }
            }
            EXPECT_EQ(ReadData(frame), block);
        }
    }
}

}  // namespace
}  // namespace tresilva::test
