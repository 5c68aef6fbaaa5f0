#include "controls/freelib/Shading.h"

#include <algorithm>
#include <cstdint>

#include "platform/gfx/Geometry.h"

namespace tresilva {

namespace {

using i64 = std::int64_t;

// Where a canvas can really change pixels, in the canvas's own coordinates
// (inclusive bounds). Pixels outside it can be neither seen nor written, so
// the loops below skip them; the result is the same as visiting them.
struct Area {
    i64 x0 = 0, y0 = 0, x1 = -1, y1 = -1;
    bool Empty() const { return x1 < x0 || y1 < y0; }
};

Area WritableArea(const TCanvas& canvas) {
    const TBitmap& surface = canvas.Surface();
    const TRect r = Intersect(canvas.ClipRect(), Rect(0, 0, surface.Width(), surface.Height()));
    if (r.IsEmpty()) return {};
    const TPoint o = canvas.Origin();
    return {i64{r.Left} - o.X, i64{r.Top} - o.Y, i64{r.Right} - 1 - o.X, i64{r.Bottom} - 1 - o.Y};
}

int ShiftChannel(int c, i64 delta) {
    const i64 v = c + delta;
    if (delta > 0) return v > 255 ? 254 : static_cast<int>(v);
    return v < 0 ? 1 : static_cast<int>(v);
}

std::uint32_t ShiftPlain(std::uint32_t color, i64 delta) {
    const int r = ShiftChannel(static_cast<int>(color & 0xFF), delta);
    const int g = ShiftChannel(static_cast<int>((color >> 8) & 0xFF), delta);
    const int b = ShiftChannel(static_cast<int>((color >> 16) & 0xFF), delta);
    return static_cast<std::uint32_t>(r) | static_cast<std::uint32_t>(g) << 8 | static_cast<std::uint32_t>(b) << 16;
}

// Shifts the pixels x0..x1 of row y (canvas coordinates, inclusive, already
// inside the writable area), only those with (x + y) even for quLow.
void ShadeSpan(TCanvas& canvas, i64 y, i64 x0, i64 x1, i64 delta, TQuality quality) {
    if (x1 < x0) return;
    const TPoint o = canvas.Origin();
    std::uint32_t* row = canvas.Surface().MutableRow(static_cast<int>(y + o.Y));
    i64 x = x0;
    i64 step = 1;
    if (quality == quLow) {
        if (((x + y) & 1) != 0) ++x;
        step = 2;
    }
    for (; x <= x1; x += step) {
        std::uint32_t& pixel = row[x + o.X];
        pixel = ShiftPlain(pixel, delta);
    }
}

// A loop from first to last that tests its bound after each step: a reversed
// range still runs once, for first.
i64 LastOf(i64 first, i64 last) { return last < first ? first : last; }

// One shaded rectangle, inclusive and at-least-once, cut to the writable area.
void ShadeBox(TCanvas& canvas, const Area& writable, i64 x1, i64 y1, i64 x2, i64 y2, i64 delta,
              TQuality quality) {
    const i64 xa = std::max(x1, writable.x0), xb = std::min(LastOf(x1, x2), writable.x1);
    const i64 ya = std::max(y1, writable.y0), yb = std::min(LastOf(y1, y2), writable.y1);
    for (i64 y = ya; y <= yb; ++y) ShadeSpan(canvas, y, xa, xb, delta, quality);
}

// Beyond this distance every line or shift is off any surface (or fully
// clamped), so products are held there rather than allowed to overflow.
constexpr i64 kFar = i64{1} << 40;

i64 FarProduct(i64 a, i64 b) {
    i64 p = 0;
    if (__builtin_mul_overflow(a, b, &p)) return (a < 0) != (b < 0) ? -kFar : kFar;
    return std::clamp(p, -kFar, kFar);
}

void ShadeBandIn(TCanvas& canvas, const Area& w, i64 x1, i64 y1, i64 x2, i64 y2, i64 delta, i64 step, i64 slope,
                 bool horizontal, TQuality quality) {
    if (w.Empty()) return;
    // Lines run across the band's depth; each line spans the band's length.
    const i64 lineFirst = horizontal ? y1 : x1;
    const i64 lineLast = LastOf(lineFirst, horizontal ? y2 : x2);
    const i64 spanFirst = horizontal ? x1 : y1;
    const i64 spanLast = horizontal ? x2 : y2;
    const i64 inset0 = slope == -1 ? (horizontal ? y2 - y1 : x2 - x1) : 0;
    // The step's direction follows Delta's sign, tested before every line.
    const i64 signedStep = delta > 0 ? step : -step;
    const i64 lineLo = std::max(lineFirst, horizontal ? w.y0 : w.x0);
    const i64 lineHi = std::min(lineLast, horizontal ? w.y1 : w.x1);
    for (i64 line = lineLo; line <= lineHi; ++line) {
        const i64 k = line - lineFirst;
        const i64 current = delta + FarProduct(k + 1, signedStep);
        const i64 inset = inset0 + FarProduct(k, slope);
        const i64 from = spanFirst + inset;
        const i64 to = LastOf(from, spanLast - inset);
        if (horizontal) {
            ShadeSpan(canvas, line, std::max(from, w.x0), std::min(to, w.x1), current, quality);
        } else {
            ShadeBox(canvas, w, line, from, line, to, current, quality);
        }
    }
}

}  // namespace

TColor ShiftColor(TColor Color, int Delta) {
    if (Color < 0) Color = ColorToRGB(Color);
    return static_cast<TColor>(ShiftPlain(static_cast<std::uint32_t>(Color), Delta));
}

void ShadeRect(TCanvas& Surface, int X1, int Y1, int X2, int Y2, int Delta, TQuality Quality) {
    ShadeBox(Surface, WritableArea(Surface), X1, Y1, X2, Y2, Delta, Quality);
}

void ShadeBand(TCanvas& Surface, int X1, int Y1, int X2, int Y2, int Delta, int Step, int Slope, bool Horizontal,
               TQuality Quality) {
    ShadeBandIn(Surface, WritableArea(Surface), X1, Y1, X2, Y2, Delta, Step, Slope, Horizontal, Quality);
}

void ShadeBorder(TCanvas& Surface, int Left, int Top, int Right, int Bottom, int Width, int Intensity, int Step,
                 int Slope, TQuality Quality) {
    const Area w = WritableArea(Surface);
    const i64 l = Left, t = Top, r = Right, b = Bottom, bw = Width, in = Intensity, sl = Slope;
    ShadeBandIn(Surface, w, l, t, r, t + bw, in, Step, sl, true, Quality);
    ShadeBandIn(Surface, w, l, t, l + bw, b, in, Step, sl, false, Quality);
    ShadeBandIn(Surface, w, l, b - bw, r, b, -in, Step, -sl, true, Quality);
    ShadeBandIn(Surface, w, r - bw, t, r, b, -in, Step, -sl, false, Quality);
}

void CastShadow(TCanvas& Surface, int Left, int Top, int Right, int Bottom, int Width, int Delta,
                TShadowPos Position, TQuality Quality) {
    const Area w = WritableArea(Surface);
    const i64 l = Left, t = Top, r = Right, b = Bottom, sw = Width;
    switch (Position) {
        case shTopLeft:
            ShadeBox(Surface, w, l + sw + 1, t, r - sw, t + sw, Delta, Quality);
            ShadeBox(Surface, w, l, t, l + sw, b - sw, Delta, Quality);
            break;
        case shTopRight:
            ShadeBox(Surface, w, l + sw, t, r - sw - 1, t + sw, Delta, Quality);
            ShadeBox(Surface, w, r - sw, t, r, b - sw, Delta, Quality);
            break;
        case shBottomLeft:
            ShadeBox(Surface, w, l + sw + 1, b - sw, r - sw, b, Delta, Quality);
            ShadeBox(Surface, w, l, t + sw, l + sw, b, Delta, Quality);
            break;
        case shBottomRight:
            ShadeBox(Surface, w, l + sw, b - sw, r - sw - 1, b, Delta, Quality);
            ShadeBox(Surface, w, r - sw, t + sw, r, b, Delta, Quality);
            break;
    }
}

void TileBitmap(TCanvas& Surface, int X, int Y, int Width, int Height, const TBitmap& Tile) {
    const int tw = Tile.Width(), th = Tile.Height();
    if (tw <= 0 || th <= 0) return;
    // Only the part of the tiled area that the canvas can change is built:
    // the picture is the same, and an area of any size costs what is visible.
    const Area w = WritableArea(Surface);
    const i64 ax0 = std::max<i64>(X, w.x0), ay0 = std::max<i64>(Y, w.y0);
    const i64 ax1 = std::min<i64>(i64{X} + Width - 1, w.x1), ay1 = std::min<i64>(i64{Y} + Height - 1, w.y1);
    if (ax1 < ax0 || ay1 < ay0) return;
    TBitmap offscreen(static_cast<int>(ax1 - ax0 + 1), static_cast<int>(ay1 - ay0 + 1));
    TCanvas& canvas = offscreen.Canvas();
    // The grid starts at (X, Y); copies are clipped to the area.
    const i64 c0 = (ax0 - X) / tw, c1 = (ax1 - X) / tw;
    const i64 r0 = (ay0 - Y) / th, r1 = (ay1 - Y) / th;
    for (i64 r = r0; r <= r1; ++r) {
        for (i64 c = c0; c <= c1; ++c) {
            canvas.Draw(static_cast<int>(X + c * tw - ax0), static_cast<int>(Y + r * th - ay0), Tile);
        }
    }
    Surface.Draw(static_cast<int>(ax0), static_cast<int>(ay0), offscreen);
}

void DrawTransparent(TCanvas& Surface, int DX, int DY, const TBitmap& Bitmap, TColor KeyColor, int Delta) {
    // The area read and written back: the bitmap at (DX, DY) with equal
    // margins on the far sides, cut to what the canvas can change.
    const Area w = WritableArea(Surface);
    const i64 ax0 = std::max<i64>(0, w.x0), ay0 = std::max<i64>(0, w.y0);
    const i64 ax1 = std::min<i64>(i64{Bitmap.Width()} + 2 * i64{DX} - 1, w.x1);
    const i64 ay1 = std::min<i64>(i64{Bitmap.Height()} + 2 * i64{DY} - 1, w.y1);
    if (ax1 < ax0 || ay1 < ay0) return;
    const int aw = static_cast<int>(ax1 - ax0 + 1), ah = static_cast<int>(ay1 - ay0 + 1);
    const TRect area = Bounds(static_cast<int>(ax0), static_cast<int>(ay0), aw, ah);
    TBitmap copy(aw, ah);
    copy.Canvas().CopyRect(Rect(0, 0, aw, ah), Surface, area);
    // Only bitmap pixels that land inside the area are looked at.
    const i64 bx0 = std::max<i64>(0, ax0 - DX), bx1 = std::min<i64>(Bitmap.Width() - 1, ax1 - DX);
    const i64 by0 = std::max<i64>(0, ay0 - DY), by1 = std::min<i64>(Bitmap.Height() - 1, ay1 - DY);
    for (i64 y = by0; y <= by1; ++y) {
        const std::uint32_t* src = Bitmap.Row(static_cast<int>(y));
        std::uint32_t* dst = copy.MutableRow(static_cast<int>(y + DY - ay0));
        for (i64 x = bx0; x <= bx1; ++x) {
            const std::uint32_t c = src[x];
            if (static_cast<TColor>(c) == KeyColor) continue;
            dst[x + DX - ax0] = Delta != 0 ? ShiftPlain(c, Delta) : c;
        }
    }
    Surface.CopyRect(area, copy.Canvas(), Rect(0, 0, aw, ah));
}

}  // namespace tresilva
