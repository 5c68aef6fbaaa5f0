#include "tools/assetgen/Outline.h"

#include <algorithm>
#include <stdexcept>

#include <QPainterPathStroker>
#include <QRawFont>
#include <QTransform>

namespace tresilva {

namespace {

const char* FileOf(Face face) {
    switch (face) {
        case Face::SansBold: return "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf";
        case Face::SansBoldItalic: return "/usr/share/fonts/truetype/liberation2/LiberationSans-BoldItalic.ttf";
    }
    return "";
}

}  // namespace

QPainterPath TextOutline(Face face, const QString& text, double pixelSize) {
    const QRawFont font(QString::fromUtf8(FileOf(face)), pixelSize, QFont::PreferNoHinting);
    if (!font.isValid()) throw std::runtime_error(std::string("cannot read the font ") + FileOf(face));
    const QList<quint32> glyphs = font.glyphIndexesForString(text);
    const QList<QPointF> advances = font.advancesForGlyphIndexes(glyphs, QRawFont::KernedAdvances);
    QPainterPath out;
    QPointF pen(0, 0);
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        out.addPath(font.pathForGlyph(glyphs[i]).translated(pen));
        pen += advances[i];
    }
    out.setFillRule(Qt::WindingFill);
    return out;
}

QPainterPath FitInto(const QPainterPath& path, const QRectF& box) {
    const QRectF ink = path.boundingRect();
    const double scale = std::min(box.width() / ink.width(), box.height() / ink.height());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(scale, scale);
    t.translate(-ink.center().x(), -ink.center().y());
    return t.map(path);
}

QPainterPath Emboldened(const QPainterPath& path, double amount) {
    QPainterPathStroker stroker;
    stroker.setWidth(2 * amount);
    stroker.setJoinStyle(Qt::RoundJoin);
    QPainterPath out = path.united(stroker.createStroke(path));
    out.setFillRule(Qt::WindingFill);
    return out;
}

QPainterPath CentredOn(const QPainterPath& path, QPointF centre) {
    return path.translated(centre - path.boundingRect().center());
}

}  // namespace tresilva
