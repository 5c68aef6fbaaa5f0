#pragma once
// Letter outlines read straight from the installed font files (never looked up by
// family name), unhinted, so the shapes do not depend on the font configuration.
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace tresilva {

enum class Face { SansBold, SansBoldItalic };

// The outline of `text` at `pixelSize`, its baseline at y = 0. Throws
// std::runtime_error when the font file cannot be read.
QPainterPath TextOutline(Face face, const QString& text, double pixelSize);
// `path` scaled uniformly to fit `box` and centred in it.
QPainterPath FitInto(const QPainterPath& path, const QRectF& box);
// `path` grown by `amount` pixels on every side: a heavier weight of the letters.
QPainterPath Emboldened(const QPainterPath& path, double amount);
// `path` moved so that its ink box is centred on `centre`.
QPainterPath CentredOn(const QPainterPath& path, QPointF centre);

}  // namespace tresilva
