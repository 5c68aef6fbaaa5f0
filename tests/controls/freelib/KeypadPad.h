#pragma once
// The keypad pad of the main window (126 x 213, shadow 2 / 20, border 1 / 40)
// and what it does to each pixel beneath it.
#include "controls/freelib/Pad3D.h"
#include "tests/controls/freelib/Hosts.h"
#include "tests/controls/freelib/Surfaces.h"

namespace tresilva::test {

// A pad with the keypad's settings: 126 x 213, shadow 2 / 20, border 1 / 40, high quality.
inline TPad3D& KeypadPad(FixtureHost& host, int left, int top, TQuality quality = quHi) {
    auto& pad = host.Add<TPad3D>(left, top, 126, 213);
    pad.SetShadowWidth(2);
    pad.SetShadowIntensity(20);
    pad.SetBorderWidth(1);
    pad.SetBorderIntensity(40);
    pad.SetShadowQuality(quality);
    pad.SetBorderQuality(quality);
    pad.SetShadowPosition(shBottomRight);
    return pad;
}

// What the keypad pad does to each pixel beneath it, in its own coordinates.
inline DeltaGrid KeypadPadDeltas() {
    DeltaGrid d = Zeros(126, 213);
    auto row = [&](int y, int x0, int x1, int delta) {
        for (int x = x0; x <= x1; ++x) d[y][x] += delta;
    };
    auto column = [&](int x, int y0, int y1, int delta) {
        for (int y = y0; y <= y1; ++y) d[y][x] += delta;
    };
    row(0, 0, 123, 40), row(1, 1, 122, 40);            // top, two lines
    column(0, 0, 210, 40), column(1, 1, 209, 40);      // left
    row(210, 0, 123, -40), row(209, 1, 122, -40);      // bottom
    column(123, 0, 210, -40), column(122, 1, 209, -40);  // right
    row(211, 2, 123, -20), row(212, 2, 123, -20);      // shadow below
    column(124, 2, 212, -20), column(125, 2, 212, -20);  // shadow to the right
    return d;
}

// `inner` placed at (left, top) in a zero grid of the host's size.
inline DeltaGrid Placed(const DeltaGrid& inner, int width, int height, int left, int top) {
    DeltaGrid d = Zeros(width, height);
    for (std::size_t y = 0; y < inner.size(); ++y)
        for (std::size_t x = 0; x < inner[y].size(); ++x) d[top + y][left + x] = inner[y][x];
    return d;
}

}  // namespace tresilva::test
