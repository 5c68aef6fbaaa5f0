#include "platform/gfx/Canvas.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/gfx/Bitmap.h"

namespace tresilva {

namespace {

std::uint32_t Plain(TColor color) { return static_cast<std::uint32_t>(ColorToRGB(color)) & 0x00FFFFFFu; }

TRect WholeOf(const TBitmap& bitmap) { return Rect(0, 0, bitmap.Width(), bitmap.Height()); }

// Dash patterns as on/off run lengths in pixels.
struct Dashes {
    int on;
    int off;
};
Dashes PatternOf(TPenStyle style) {
    switch (style) {
        case psDash: return {18, 6};
        case psDot: return {3, 3};
        default: return {1, 0};
    }
}

}  // namespace

TCanvas::TCanvas(TBitmap& surface) : surface_(&surface), origin_{0, 0}, clip_(WholeOf(surface)) {}

TCanvas::TCanvas(TBitmap& surface, TPoint origin, TRect clip) : surface_(&surface), origin_(origin), clip_(clip) {}

TRect TCanvas::WriteArea() const { return Intersect(clip_, WholeOf(*surface_)); }

TColor TCanvas::Pixel(int x, int y) const { return surface_->Pixel(x + origin_.X, y + origin_.Y); }

void TCanvas::SetPixel(int x, int y, TColor color) {
    const int sx = x + origin_.X;
    const int sy = y + origin_.Y;
    if (!clip_.Contains(sx, sy)) return;
    surface_->SetPixel(sx, sy, color);
}

void TCanvas::Blit(const TRect& dest, const TBitmap& source, const TRect& sourceRect) {
    // dest is in surface coordinates; sourceRect in the source bitmap's.
    if (dest.IsEmpty() || sourceRect.IsEmpty()) return;
    const TRect area = Intersect(dest, WriteArea());
    if (area.IsEmpty()) return;
    const TRect sourceWhole = WholeOf(source);

    // Reading and writing the same surface: read from a snapshot, so that an
    // overlapping copy sees the pixels as they were before it started.
    TBitmap snapshot;
    const TBitmap* from = &source;
    TRect fromRect = sourceRect;
    if (&source == surface_) {
        const TRect needed = Intersect(sourceRect, sourceWhole);
        if (needed.IsEmpty()) return;
        snapshot.SetSize(needed.Width(), needed.Height());
        for (int y = 0; y < needed.Height(); ++y) {
            std::copy_n(source.Row(needed.Top + y) + needed.Left, needed.Width(), snapshot.MutableRow(y));
        }
        from = &snapshot;
        fromRect = Offset(sourceRect, -needed.Left, -needed.Top);
    }
    const TRect fromWhole = WholeOf(*from);

    const std::int64_t dw = dest.Width(), dh = dest.Height();
    const std::int64_t sw = fromRect.Width(), sh = fromRect.Height();
    const bool stretch = dw != sw || dh != sh;
    // Source column of each destination column, -1 where there is none.
    std::vector<int> columns;
    if (stretch) {
        columns.resize(static_cast<std::size_t>(area.Width()));
        for (int x = area.Left; x < area.Right; ++x) {
            const std::int64_t sx = fromRect.Left + (x - dest.Left) * sw / dw;
            columns[static_cast<std::size_t>(x - area.Left)] =
                sx < fromWhole.Left || sx >= fromWhole.Right ? -1 : static_cast<int>(sx);
        }
    }
    for (int y = area.Top; y < area.Bottom; ++y) {
        const std::int64_t sy = fromRect.Top + (stretch ? (y - dest.Top) * sh / dh : y - dest.Top);
        if (sy < fromWhole.Top || sy >= fromWhole.Bottom) continue;
        const std::uint32_t* srcRow = from->Row(static_cast<int>(sy));
        std::uint32_t* dstRow = surface_->MutableRow(y);
        if (!stretch) {
            // Clip the span to the columns the source really has.
            const int dx0 = std::max(area.Left, static_cast<int>(dest.Left + (fromWhole.Left - fromRect.Left)));
            const int dx1 = std::min(area.Right, static_cast<int>(dest.Left + (fromWhole.Right - fromRect.Left)));
            if (dx0 < dx1) std::copy_n(srcRow + (fromRect.Left + (dx0 - dest.Left)), dx1 - dx0, dstRow + dx0);
            continue;
        }
        std::uint32_t* out = dstRow + area.Left;
        for (const int sx : columns) {
            if (sx >= 0) *out = srcRow[sx];
            ++out;
        }
    }
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& src, const TRect& srcRect) {
    Blit(Offset(dest, origin_.X, origin_.Y), src.Surface(), Offset(srcRect, src.origin_.X, src.origin_.Y));
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
    Blit(Bounds(x + origin_.X, y + origin_.Y, bitmap.Width(), bitmap.Height()), bitmap, WholeOf(bitmap));
}

void TCanvas::StretchDraw(const TRect& dest, const TBitmap& bitmap) {
    Blit(Offset(dest, origin_.X, origin_.Y), bitmap, WholeOf(bitmap));
}

void TCanvas::Fill(const TRect& surfaceRect, TColor color) {
    const TRect area = Intersect(surfaceRect, WriteArea());
    if (area.IsEmpty()) return;
    const std::uint32_t value = Plain(color);
    for (int y = area.Top; y < area.Bottom; ++y) std::fill_n(surface_->MutableRow(y) + area.Left, area.Width(), value);
}

void TCanvas::FillRect(const TRect& rect) {
    if (brush_.Style == bsClear) return;
    Fill(Offset(rect, origin_.X, origin_.Y), brush_.Color);
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    if (right == left || bottom == top) return;
    const bool outlined = pen_.Style != psClear;
    if (!outlined) {
        // Without a pen the filled area is one pixel smaller, as with the classic API.
        FillRect(Rect(left, top, right - 1, bottom - 1));
        return;
    }
    // A pen of width 0 (or less) draws one pixel wide, as with the classic API.
    const int w = std::min({std::max(pen_.Width, 1), (right - left + 1) / 2, (bottom - top + 1) / 2});
    FillRect(Rect(left + w, top + w, right - w, bottom - w));

    if (w > 1 || pen_.Style == psSolid) {
        // Wide pens are always solid; the outline lies inside the rectangle.
        const TRect r = Offset(Rect(left, top, right, bottom), origin_.X, origin_.Y);
        Fill(Rect(r.Left, r.Top, r.Right, r.Top + w), pen_.Color);
        Fill(Rect(r.Left, r.Bottom - w, r.Right, r.Bottom), pen_.Color);
        Fill(Rect(r.Left, r.Top + w, r.Left + w, r.Bottom - w), pen_.Color);
        Fill(Rect(r.Right - w, r.Top + w, r.Right, r.Bottom - w), pen_.Color);
        return;
    }
    // A one-pixel styled outline, walked clockwise from the top-left corner;
    // the gaps take the brush colour unless the brush is clear.
    const Dashes dashes = PatternOf(pen_.Style);
    const int period = dashes.on + dashes.off;
    int step = 0;
    auto plot = [&](int x, int y) {
        if (step % period < dashes.on) {
            SetPixel(x, y, pen_.Color);
        } else if (brush_.Style != bsClear) {
            SetPixel(x, y, brush_.Color);
        }
        ++step;
    };
    const int r = right - 1, b = bottom - 1;
    for (int x = left; x < r; ++x) plot(x, top);
    for (int y = top; y < b; ++y) plot(r, y);
    for (int x = r; x > left; --x) plot(x, b);
    for (int y = b; y > top; --y) plot(left, y);
    if (r == left || b == top) plot(r, b);  // a one-pixel-wide rectangle still shows its last pixel
}

}  // namespace tresilva
