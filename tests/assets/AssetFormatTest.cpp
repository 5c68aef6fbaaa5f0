// Every asset file has the size, depth, palette and byte length it must have,
// read from its own headers.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QImage>

#include "tests/assets/AssetBytes.h"

namespace tresilva::testing {
namespace {

struct BmpRow {
    std::string path;
    int width, height, bits;
    std::uint32_t palette;  // entries
    std::uint32_t bytes;    // whole file
};

std::vector<BmpRow> BmpRows() {
    std::vector<BmpRow> rows = {
        {"marble.bmp", 128, 128, 24, 0, 49206},
        {"keys/key7.bmp", 30, 42, 24, 0, 3918},
        {"keys/key8.bmp", 28, 42, 24, 0, 3582},
        {"keys/key9.bmp", 28, 42, 24, 0, 3582},
        {"keys/key4.bmp", 30, 42, 24, 0, 3918},
        {"keys/key5.bmp", 28, 42, 24, 0, 3582},
        {"keys/key6.bmp", 27, 42, 24, 0, 3582},  // 81 bytes a row, padded to 84
        {"keys/key1.bmp", 28, 42, 24, 0, 3582},
        {"keys/key2.bmp", 28, 42, 24, 0, 3582},
        {"keys/key3.bmp", 28, 42, 24, 0, 3582},
        {"keys/key0.bmp", 30, 42, 24, 0, 3918},
        {"keys/keypoint.bmp", 20, 42, 24, 0, 2574},
        {"keys/erase.bmp", 33, 35, 24, 0, 3554},
        {"tools/hammer.bmp", 30, 30, 24, 0, 2814},
        {"tools/question.bmp", 26, 30, 24, 0, 2454},
        {"tools/ball.bmp", 26, 26, 24, 0, 2134},
        {"about/banner.bmp", 262, 62, 24, 0, 48910},
        {"about/cliquez-ici.bmp", 176, 32, 24, 0, 16950},
        {"config/ok-tick.bmp", 36, 18, 24, 0, 1998},
    };
    for (const char* code : {"dem", "ats", "bef", "esp", "fim", "frf", "iep", "itl", "luf", "nlg", "pte", "eur", "usd",
                             "gbp", "jpy"})
        rows.push_back({std::string("flags/") + code + ".bmp", 16, 11, 8, 256, 1254});
    for (int i = 1; i <= 6; ++i) rows.push_back({"frames/euro/EURO" + std::to_string(i) + ".BMP", 61, 43, 8, 256, 3830});
    for (int i = 1; i <= 36; ++i) rows.push_back({"frames/floppy/IMAGE" + std::to_string(i) + ".BMP", 50, 40, 8, 256, 3158});
    for (int i = 1; i <= 12; ++i) rows.push_back({"frames/globe/IMAGE" + std::to_string(i) + ".BMP", 39, 42, 8, 256, 2758});
    return rows;
}

TEST(AssetFormat, EveryBitmapHasItsSizeDepthPaletteAndLength) {
    for (const BmpRow& row : BmpRows()) {
        SCOPED_TRACE(row.path);
        const std::vector<std::uint8_t> b = ReadAsset(row.path);
        ASSERT_EQ(b.size(), row.bytes);
        const std::uint32_t offset = 54 + 4 * row.palette;
        EXPECT_EQ(b[0], 'B');
        EXPECT_EQ(b[1], 'M');
        EXPECT_EQ(U32(b, 2), row.bytes) << "file size field";
        EXPECT_EQ(U32(b, 10), offset) << "pixel data offset";
        EXPECT_EQ(U32(b, 14), 40u) << "information header size";
        EXPECT_EQ(I32(b, 18), row.width);
        EXPECT_EQ(I32(b, 22), row.height) << "positive: bottom-up";
        EXPECT_EQ(U16(b, 26), 1u) << "planes";
        EXPECT_EQ(U16(b, 28), static_cast<std::uint32_t>(row.bits));
        EXPECT_EQ(U32(b, 30), 0u) << "uncompressed";
        EXPECT_EQ(U32(b, 46), row.palette) << "palette entries";
        // The rows fill the file exactly: no extra bytes, no short rows.
        const std::uint32_t stride = (static_cast<std::uint32_t>(row.width) * row.bits + 31) / 32 * 4;
        EXPECT_EQ(offset + stride * static_cast<std::uint32_t>(row.height), row.bytes);
    }
}

TEST(AssetFormat, FramesHaveTheirPixelDataAt1078) {
    for (const BmpRow& row : BmpRows()) {
        if (row.path.rfind("frames/", 0) != 0) continue;
        SCOPED_TRACE(row.path);
        EXPECT_EQ(U32(ReadAsset(row.path), 10), 1078u);
    }
}

struct CursorRow {
    std::string path;
    std::uint32_t hotX, hotY;
};

const CursorRow kCursors[] = {
    {"cursors/tophand.cur", 11, 3},
    {"cursors/righthand.cur", 29, 11},
    {"cursors/lefthand.cur", 1, 11},
};

TEST(AssetFormat, CursorsAreMonochrome32By32WithTheirHotSpots) {
    for (const CursorRow& row : kCursors) {
        SCOPED_TRACE(row.path);
        const std::vector<std::uint8_t> b = ReadAsset(row.path);
        // Directory, one entry, 40-byte header, two palette entries, XOR and AND masks.
        ASSERT_EQ(b.size(), 6u + 16 + 40 + 8 + 128 + 128);
        EXPECT_EQ(U16(b, 0), 0u);
        EXPECT_EQ(U16(b, 2), 2u) << "a cursor, not an icon";
        EXPECT_EQ(U16(b, 4), 1u) << "one image";
        EXPECT_EQ(b[6], 32);
        EXPECT_EQ(b[7], 32);
        EXPECT_EQ(U16(b, 10), row.hotX);
        EXPECT_EQ(U16(b, 12), row.hotY);
        EXPECT_EQ(U32(b, 14), 40u + 8 + 256) << "image size";
        EXPECT_EQ(U32(b, 18), 22u) << "image offset";
        EXPECT_EQ(U32(b, 22), 40u);
        EXPECT_EQ(I32(b, 26), 32);
        EXPECT_EQ(I32(b, 30), 64) << "XOR and AND masks";
        EXPECT_EQ(U16(b, 36), 1u) << "one bit per pixel";
        EXPECT_EQ(U32(b, 62), 0x000000u) << "index 0 black";
        EXPECT_EQ(U32(b, 66), 0xFFFFFFu) << "index 1 white";
    }
}

TEST(AssetFormat, IconIs32By32With256Colours) {
    const std::vector<std::uint8_t> b = ReadAsset("icon/tresilva.ico");
    ASSERT_EQ(b.size(), 6u + 16 + 40 + 1024 + 32 * 32 + 32 * 4);
    EXPECT_EQ(U16(b, 2), 1u) << "an icon";
    EXPECT_EQ(U16(b, 4), 1u);
    EXPECT_EQ(b[6], 32);
    EXPECT_EQ(b[7], 32);
    EXPECT_EQ(U16(b, 12), 8u) << "bits per pixel in the entry";
    EXPECT_EQ(I32(b, 26), 32);
    EXPECT_EQ(I32(b, 30), 64);
    EXPECT_EQ(U16(b, 36), 8u);
    EXPECT_EQ(U32(b, 54), 256u) << "palette entries";
    // The same picture is readable by a standard reader.
    QImage image;
    ASSERT_TRUE(image.loadFromData(b.data(), static_cast<int>(b.size()), "ICO"));
    EXPECT_EQ(image.size(), QSize(32, 32));
}

TEST(AssetFormat, DesktopIconsHaveEverySize) {
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const std::string n = std::to_string(size);
        const QImage image(QString::fromStdString(AssetPath("icon/hicolor/" + n + "x" + n + "/apps/tresilva.png").string()));
        EXPECT_EQ(image.size(), QSize(size, size));
    }
}

}  // namespace
}  // namespace tresilva::testing
