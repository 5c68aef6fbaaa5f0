#pragma once
// A canvas draws on a surface (a TBitmap) through an origin and a write clip.
// Coordinates are the canvas's own: (0, 0) is the origin on the surface.
// Writes are clipped to the clip rectangle (surface coordinates) and to the
// surface; reads are not clipped (outside the surface they give CLR_INVALID).
#include <cstdint>
#include <string>

#include "platform/gfx/Color.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Geometry.h"

namespace tresilva {

class TBitmap;

enum TPenStyle : std::uint8_t { psSolid, psDash, psDot, psClear };
enum TBrushStyle : std::uint8_t { bsSolid, bsClear };

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = psSolid;
};

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
};

// Text formats, with the values of the classic DrawText flags.
enum : unsigned {
    DT_LEFT = 0x0, DT_CENTER = 0x1, DT_RIGHT = 0x2,
    DT_WORDBREAK = 0x10, DT_SINGLELINE = 0x20, DT_EXPANDTABS = 0x40,
    DT_CALCRECT = 0x400, DT_NOPREFIX = 0x800,
};

// What a classic 256-character drawing buffer holds of a text: up to a zero
// character, at most 255 characters (a UTF-8 sequence is never split).
std::string DrawTextBuffer(const std::string& text);

class TCanvas {
public:
    // A canvas over the whole surface.
    explicit TCanvas(TBitmap& surface);
    // A canvas whose (0, 0) is at `origin` on the surface, writing only inside `clip`.
    TCanvas(TBitmap& surface, TPoint origin, TRect clip);

    TBitmap& Surface() const { return *surface_; }
    TPoint Origin() const { return origin_; }
    TRect ClipRect() const { return clip_; }  // surface coordinates
    // Lets one canvas serve several paints (and follows its bitmap's size).
    void SetOrigin(TPoint origin) { origin_ = origin; }
    void SetClipRect(const TRect& clip) { clip_ = clip; }

    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);

    // Copies src's pixels in srcRect onto dest (equal sizes; stretched otherwise).
    // Source pixels outside src's surface leave the destination unchanged.
    void CopyRect(const TRect& dest, const TCanvas& src, const TRect& srcRect);
    // The whole bitmap with its top-left corner at (x, y), opaque, clipped.
    void Draw(int x, int y, const TBitmap& bitmap);
    // The whole bitmap scaled into dest, opaque (nearest neighbour).
    void StretchDraw(const TRect& dest, const TBitmap& bitmap);

    TFont& Font() { return font_; }
    TPen& Pen() { return pen_; }
    TBrush& Brush() { return brush_; }

    // Fills with the brush (nothing for a clear brush).
    void FillRect(const TRect& rect);
    // Outline with the pen, inside filled with the brush; right and bottom exclusive.
    void Rectangle(int left, int top, int right, int bottom);

    // One-line extents of a text in the current font.
    int TextWidth(const std::string& text);
    int TextHeight(const std::string& text);
    // Text in a rectangle, in the font's colour, no background box. With
    // DT_CALCRECT nothing is drawn and rect receives the measured size.
    // Returns the height of the text drawn or measured.
    int DrawText(const std::string& text, TRect& rect, unsigned format);

private:
    TRect WriteArea() const;  // the clip within the surface
    // Copies sourceRect of source onto dest (surface coordinates), stretching
    // when the sizes differ; source pixels outside source are skipped.
    void Blit(const TRect& dest, const TBitmap& source, const TRect& sourceRect);
    void Fill(const TRect& surfaceRect, TColor color);

    TBitmap* surface_;
    TPoint origin_;
    TRect clip_;
    TFont font_;
    TPen pen_;
    TBrush brush_;
};

}  // namespace tresilva
