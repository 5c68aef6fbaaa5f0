#pragma once
// A picture is drawn as a supersampled layer (premultiplied ARGB, kScale times
// the final size) and then reduced by box averaging and laid on its background.
#include <QColor>
#include <QImage>
#include <QPainter>

namespace tresilva {

inline constexpr int kScale = 4;

// The pad grey the key pictures' antialiased edges blend toward: the marble's
// mean, so an edge never shows as a light fringe around a key.
inline constexpr QRgb kPadGrey = 0xFFCDCDCD;  // (205, 205, 205)
inline constexpr QRgb kKeyWhite = 0xFFFFFFFF;

QImage MakeLayer(int width, int height, int scale = kScale);  // transparent
// A painter on a layer whose coordinates are final pixels.
void BeginOnLayer(QPainter& painter, QImage& layer, int scale = kScale);
// Box average of scale x scale blocks (premultiplied).
QImage Downsample(const QImage& layer, int scale = kScale);
// Flat picture on an opaque background colour.
QImage Flatten(const QImage& picture, QRgb background);
// A key picture: pixels covered less than a third stay the key white, the others
// blend toward the pad grey; no pixel but the background is exactly white.
QImage FlattenOnKey(const QImage& picture);

}  // namespace tresilva
