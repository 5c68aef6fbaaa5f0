#pragma once
// A monochrome Windows cursor file: 32 x 32, one bit per pixel, an XOR mask
// over a two-entry palette (black, white) and an AND mask, the hot spot in the
// directory entry.
#include <array>
#include <cstdint>
#include <vector>

namespace tresilva {

enum class Ink : std::uint8_t { Clear, Black, White };

struct MonoCursor {
    int hotX = 0;
    int hotY = 0;
    std::array<std::array<Ink, 32>, 32> pixels{};  // [y][x], top row first
};

std::vector<std::uint8_t> EncodeCur(const MonoCursor& cursor);

}  // namespace tresilva
