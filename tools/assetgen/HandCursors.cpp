#include "tools/assetgen/HandCursors.h"

#include <stdexcept>

namespace tresilva {

namespace {

// The upward hand, drawn once; the others are turned and mirrored from it.
// '#' outline, 'o' white, '.' clear. The fingertip's outline is at (11, 3).
constexpr const char* kTopHand[32] = {
    "................................",
    "................................",
    "................................",
    "..........###...................",
    ".........#ooo#..................",
    ".........#ooo#..................",
    ".........#ooo#..................",
    ".........#ooo#..................",
    ".........#ooo#..................",
    ".........#ooo###................",
    ".........#ooo#oo###.............",
    ".........#ooo#oo#oo###..........",
    ".........#ooo#oo#oo#oo#.........",
    "....###..#ooo#oo#oo#oo#.........",
    "...#ooo#.#ooo#oo#oo#oo#.........",
    "...#oooo##ooooooooooooo#........",
    "....#ooo#oooooooooooooo#........",
    ".....#oo#oooooooooooooo#........",
    ".....#ooooooooooooooooo#........",
    "......#oooooooooooooooo#........",
    "......#ooooooooooooooo#.........",
    ".......#oooooooooooooo#.........",
    ".......#ooooooooooooo#..........",
    "........#oooooooooooo#..........",
    "........##############..........",
    "........#oooooooooooo#..........",
    "........#oooooooooooo#..........",
    "........#oooooooooooo#..........",
    "........##############..........",
    "................................",
    "................................",
    "................................",
};

using Pixels = std::array<std::array<Ink, 32>, 32>;

Pixels FromArt(const char* const (&art)[32]) {
    Pixels out{};
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const char c = art[y][x];
            out[y][x] = c == '#' ? Ink::Black : c == 'o' ? Ink::White : Ink::Clear;
        }
    }
    return out;
}

// The hand turned a quarter clockwise, then shifted by (dx, dy).
Pixels TurnedRight(const Pixels& in, int dx, int dy) {
    Pixels out{};
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const int nx = 31 - y + dx, ny = x + dy;
            if (in[y][x] == Ink::Clear) continue;
            if (nx < 0 || nx > 31 || ny < 0 || ny > 31) throw std::logic_error("hand leaves the cursor");
            out[ny][nx] = in[y][x];
        }
    }
    return out;
}

Pixels Mirrored(const Pixels& in, int dx) {
    Pixels out{};
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const int nx = 31 - x + dx;
            if (in[y][x] == Ink::Clear) continue;
            if (nx < 0 || nx > 31) throw std::logic_error("hand leaves the cursor");
            out[y][nx] = in[y][x];
        }
    }
    return out;
}

}  // namespace

std::vector<HandCursor> HandCursors() {
    const Pixels top = FromArt(kTopHand);
    // Turning moves the tip (11, 3) to (28, 11); one to the right puts it at (29, 11).
    const Pixels right = TurnedRight(top, 1, 0);
    // Mirroring moves (29, 11) to (2, 11); one to the left puts it at (1, 11).
    const Pixels left = Mirrored(right, -1);
    std::vector<HandCursor> out;
    out.push_back({"tophand", {11, 3, top}});
    out.push_back({"righthand", {29, 11, right}});
    out.push_back({"lefthand", {1, 11, left}});
    return out;
}

}  // namespace tresilva
