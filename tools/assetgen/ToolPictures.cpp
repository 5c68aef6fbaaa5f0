#include "tools/assetgen/ToolPictures.h"

#include <QPainter>
#include <QTransform>

#include "tools/assetgen/Bevel.h"
#include "tools/assetgen/Layer.h"
#include "tools/assetgen/Outline.h"

namespace tresilva {

QImage HammerPicture() {
    constexpr int kSize = 30;
    // Drawn upright about the head's centre, then turned 45 degrees so the
    // handle runs to the bottom left.
    QTransform turn;
    turn.translate(16.9, 12.35);
    turn.rotate(45);
    // Upright: the head along x (striking face at +x, claw at -x), the handle
    // down along y from the neck.
    QPainterPath handle;
    handle.addRoundedRect(QRectF(-2.0, -1.0, 4.0, 19.0), 1.8, 1.8);
    QPainterPath head;
    head.moveTo(-3.0, -3.6);
    head.lineTo(3.0, -3.6);
    head.lineTo(3.6, -4.6);  // the face is a little wider than the neck
    head.lineTo(9.2, -4.6);
    head.quadTo(10.2, -4.6, 10.2, -3.6);
    head.lineTo(10.2, 3.6);
    head.quadTo(10.2, 4.6, 9.2, 4.6);
    head.lineTo(3.6, 4.6);
    head.lineTo(3.0, 3.6);
    head.lineTo(-3.0, 2.6);
    // The claw: a tapered wedge curving down toward the handle.
    head.quadTo(-8.5, -0.2, -12.8, 2.4);
    head.quadTo(-11.5, -3.2, -8.5, -3.4);
    head.lineTo(-3.0, -3.6);
    head.closeSubpath();
    BevelStyle wood;
    wood.width = 1.6;
    wood.outline = 0.6;
    wood.faceTilt = 0.1;
    BevelStyle steel;
    steel.width = 2.0;
    steel.outline = 0.7;
    steel.faceTilt = 0.25;
    QImage layer = ShadeBevel(turn.map(handle), kSize, kSize, Material::Wood(), wood);
    const QImage headLayer = ShadeBevel(turn.map(head), kSize, kSize, Material::Steel(), steel);
    QPainter p(&layer);
    p.drawImage(0, 0, headLayer);
    p.end();
    return FlattenOnKey(Downsample(layer));
}

QImage QuestionPicture() {
    constexpr int kW = 26, kH = 30;
    const QPainterPath mark = FitInto(TextOutline(Face::SansBold, "?", 100), QRectF(3.5, 2.0, 19.0, 26.0));
    BevelStyle style;
    style.width = 2.4;
    style.outline = 0.8;
    style.faceTilt = 0.2;
    return FlattenOnKey(Downsample(ShadeBevel(mark, kW, kH, Material::Blue(), style)));
}

QImage BallPicture() {
    constexpr int kSize = 26;
    return FlattenOnKey(Downsample(ShadeSphere(QPointF(13.0, 13.0), 11.6, kSize, kSize, Material::Green())));
}

}  // namespace tresilva
