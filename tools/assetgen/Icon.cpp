#include "tools/assetgen/Icon.h"

#include <algorithm>

#include <QLinearGradient>
#include <QPainter>

#include "tools/assetgen/Bevel.h"
#include "tools/assetgen/Layer.h"
#include "tools/assetgen/Outline.h"

namespace tresilva {

QImage IconPicture(int size) {
    const double n = size;
    QImage layer = MakeLayer(size, size);
    {
        QPainter p;
        BeginOnLayer(p, layer);
        QLinearGradient field(0, 0, n, n);
        field.setColorAt(0, QColor(16, 40, 140));
        field.setColorAt(1, QColor(0, 10, 72));
        p.fillRect(QRectF(0, 0, n, n), field);
        if (size >= 32) {
            const double rim = n / 32;
            p.setPen(QPen(QColor(0, 4, 40), rim));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(rim / 2, rim / 2, n - rim, n - rim));
        }
    }
    const double margin = n * 0.15;
    const QPainterPath euro =
        FitInto(TextOutline(Face::SansBold, QString::fromUtf8("\u20AC"), 100), QRectF(margin, margin, n - 2 * margin, n - 2 * margin));
    BevelStyle style;
    style.width = std::max(0.6, n / 24);
    style.outline = 0;
    style.faceTilt = 0.2;
    const QImage sign = ShadeBevel(euro, size, size, Material::Yellow(), style);
    QPainter p(&layer);
    p.drawImage(0, 0, sign);
    p.end();
    return Flatten(Downsample(layer), qRgb(0, 0, 0));
}

}  // namespace tresilva
