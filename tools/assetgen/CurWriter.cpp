#include "tools/assetgen/CurWriter.h"

#include "tools/assetgen/ByteWriter.h"

namespace tresilva {

std::vector<std::uint8_t> EncodeCur(const MonoCursor& cursor) {
    constexpr std::uint32_t kMask = 32 * 4;  // 32 rows of 32 bits
    constexpr std::uint32_t kDib = 40 + 2 * 4 + 2 * kMask;
    ByteWriter out;
    out.U16(0);
    out.U16(2);  // cursor
    out.U16(1);
    out.U8(32);
    out.U8(32);
    out.U8(2);  // colours
    out.U8(0);
    out.U16(static_cast<std::uint16_t>(cursor.hotX));
    out.U16(static_cast<std::uint16_t>(cursor.hotY));
    out.U32(kDib);
    out.U32(6 + 16);
    out.U32(40);
    out.I32(32);
    out.I32(64);  // XOR and AND masks
    out.U16(1);
    out.U16(1);
    out.U32(0);
    out.U32(2 * kMask);
    out.I32(0);
    out.I32(0);
    out.U32(2);
    out.U32(0);
    out.U32(0x00000000);  // index 0: black
    out.U32(0x00FFFFFF);  // index 1: white
    // Clear: AND 1, XOR 0. Black: AND 0, XOR 0. White: AND 0, XOR 1.
    auto mask = [&](bool andMask) {
        for (int y = 31; y >= 0; --y) {
            for (int byte = 0; byte < 4; ++byte) {
                std::uint8_t bits = 0;
                for (int bit = 0; bit < 8; ++bit) {
                    const Ink ink = cursor.pixels[y][byte * 8 + bit];
                    const bool set = andMask ? ink == Ink::Clear : ink == Ink::White;
                    if (set) bits |= static_cast<std::uint8_t>(0x80 >> bit);
                }
                out.U8(bits);
            }
        }
    };
    mask(false);
    mask(true);
    return out.Take();
}

}  // namespace tresilva
