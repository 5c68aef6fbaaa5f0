#include "tools/assetgen/TickStrip.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

#include "tools/assetgen/Layer.h"

namespace tresilva {

namespace {

const QRgb kButtonFace = qRgb(192, 192, 192);

QPainterPath Tick() {
    QPainterPath line;
    line.moveTo(3.5, 9.5);
    line.lineTo(7.5, 13.5);
    line.lineTo(14.5, 4.0);
    QPainterPathStroker stroker;
    stroker.setWidth(3.0);
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(Qt::MiterJoin);
    return stroker.createStroke(line).simplified();
}

}  // namespace

QImage TickStrip() {
    QImage layer = MakeLayer(36, 18);
    QPainter p;
    BeginOnLayer(p, layer);
    const QPainterPath tick = Tick();
    // Normal: a green tick with a dark rim.
    p.setPen(QPen(QColor(0, 80, 0), 0.8));
    p.setBrush(QColor(0, 160, 0));
    p.drawPath(tick);
    // Disabled: the classic embossed grey, a white copy one pixel down right.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawPath(tick.translated(19.0, 1.0));
    p.setBrush(QColor(128, 128, 128));
    p.drawPath(tick.translated(18.0, 0.0));
    p.end();
    return Flatten(Downsample(layer), kButtonFace);
}

}  // namespace tresilva
