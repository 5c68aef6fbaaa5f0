#pragma once
// The shading primitives of the freelib controls. They change the pixels
// already on a surface (lighter, darker, tiled over, keyed through) instead of
// drawing anything new, which is how a pad or a filter lets the background
// show through its face. None of them keeps state between calls.
//
// Bounds given as X1, Y1, X2, Y2 are inclusive, and every loop tests its bound
// after a step, so a reversed range still processes its first pixel. Pixels
// outside the surface (or outside the canvas's write clip) are skipped: the
// controls hand these procedures bounds one past the last column and row.
#include <array>
#include <cstdint>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Color.h"

namespace tresilva {

// Which pixels a shading primitive touches: all of them, or only those whose
// (x + y) is even on the canvas it works on (a checkerboard at half the cost).
enum TQuality : std::uint8_t { quHi, quLow };
// On which two sides of a pad's face its drop shadow falls.
enum TShadowPos : std::uint8_t { shTopLeft, shTopRight, shBottomLeft, shBottomRight };
// A pad's picture: tiled over the face, or drawn once with the pad sized to it.
enum TBackground : std::uint8_t { bgMosaic, bgPicture };

// The names that layouts store, indexed by ordinal.
inline constexpr std::array<const char*, 2> kQualityNames{"quHi", "quLow"};
inline constexpr std::array<const char*, 4> kShadowPosNames{"shTopLeft", "shTopRight", "shBottomLeft",
                                                            "shBottomRight"};
inline constexpr std::array<const char*, 2> kBackgroundNames{"bgMosaic", "bgPicture"};

// Adds Delta to each channel. A channel pushed past 255 becomes 254 and one
// pushed below 0 becomes 1; landing exactly on 255 or 0 keeps it. A system
// colour is resolved first; the result is a plain 0x00BBGGRR.
TColor ShiftColor(TColor Color, int Delta);

void ShadeRect(TCanvas& Surface, int X1, int Y1, int X2, int Y2, int Delta, TQuality Quality);

// One side of a bevel. Each line (a row when Horizontal, else a column) is
// inset by Inset at both ends; Inset starts at 0 (at the band's depth when
// Slope is -1) and grows by Slope per line. Before each line the shift grows
// by Step, away from zero in the direction of Delta's sign.
void ShadeBand(TCanvas& Surface, int X1, int Y1, int X2, int Y2, int Delta, int Step, int Slope,
               bool Horizontal, TQuality Quality);

// A whole bevel: top and left lightened by Intensity, bottom and right
// darkened by it, each side Width + 1 lines deep, mitred at the corners (the
// corner diagonals are shaded by both of their sides).
void ShadeBorder(TCanvas& Surface, int Left, int Top, int Right, int Bottom, int Width, int Intensity, int Step,
                 int Slope, TQuality Quality);

// The two strips of a drop shadow beside a face, shaded by Delta.
void CastShadow(TCanvas& Surface, int Left, int Top, int Right, int Bottom, int Width, int Delta,
                TShadowPos Position, TQuality Quality);

// Covers Width x Height at (X, Y) with copies of Tile, the grid anchored at
// (X, Y). An empty tile draws nothing. The tile is only read.
void TileBitmap(TCanvas& Surface, int X, int Y, int Width, int Height, const TBitmap& Tile);

// Draws Bitmap at (DX, DY) except its pixels equal to KeyColor (compared
// exactly, so a system-colour key matches nothing), shifted by Delta when
// Delta is not 0. Only the area (0, 0) to (w + 2 DX, h + 2 DY) is read and
// written back: pixels of the bitmap outside it are dropped.
void DrawTransparent(TCanvas& Surface, int DX, int DY, const TBitmap& Bitmap, TColor KeyColor, int Delta);

}  // namespace tresilva
