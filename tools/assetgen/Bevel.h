#pragma once
// Shapes lit as raised metal or glass: the light comes from the top left, so a
// bevel is bright on its top-left slopes and dark on its bottom-right ones.
#include <QImage>
#include <QPainterPath>
#include <QPointF>

#include "tools/assetgen/Material.h"

namespace tresilva {

struct BevelStyle {
    double width = 2.5;     // of the slope, in final pixels
    double outline = 0.0;   // a darker rim this wide, in final pixels
    double faceTilt = 0.18; // how much lighter the face is at its top than at its bottom
};

// `path` is in final pixels; the result is a layer (see Layer.h) of w x h.
QImage ShadeBevel(const QPainterPath& path, int w, int h, const Material& material, const BevelStyle& style);
QImage ShadeSphere(QPointF centre, double radius, int w, int h, const Material& material);

}  // namespace tresilva
