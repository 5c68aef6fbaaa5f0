#include "tools/assetgen/Layer.h"

#include <algorithm>

namespace tresilva {

QImage MakeLayer(int width, int height, int scale) {
    QImage layer(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    return layer;
}

void BeginOnLayer(QPainter& painter, QImage& layer, int scale) {
    painter.begin(&layer);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.scale(scale, scale);
}

QImage Downsample(const QImage& source, int scale) {
    const QImage layer = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = layer.width() / scale, h = layer.height() / scale;
    QImage out(w, h, QImage::Format_ARGB32_Premultiplied);
    const int n = scale * scale;
    for (int y = 0; y < h; ++y) {
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            int a = 0, r = 0, g = 0, b = 0;
            for (int sy = 0; sy < scale; ++sy) {
                const auto* src = reinterpret_cast<const QRgb*>(layer.constScanLine(y * scale + sy)) + x * scale;
                for (int sx = 0; sx < scale; ++sx) {
                    a += qAlpha(src[sx]);
                    r += qRed(src[sx]);
                    g += qGreen(src[sx]);
                    b += qBlue(src[sx]);
                }
            }
            dst[x] = qRgba((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n, (a + n / 2) / n);
        }
    }
    return out;
}

QImage Flatten(const QImage& source, QRgb background) {
    const QImage picture = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage out(picture.size(), QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const int a = qAlpha(src[x]);
            auto mix = [&](int pre, int bg) { return std::clamp(pre + (bg * (255 - a) + 127) / 255, 0, 255); };
            dst[x] = qRgb(mix(qRed(src[x]), qRed(background)), mix(qGreen(src[x]), qGreen(background)),
                          mix(qBlue(src[x]), qBlue(background)));
        }
    }
    return out;
}

QImage FlattenOnKey(const QImage& source) {
    const QImage picture = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage out(picture.size(), QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const int a = qAlpha(src[x]);
            if (a < 85) {
                dst[x] = kKeyWhite;
                continue;
            }
            auto mix = [&](int pre, int bg) { return std::clamp(pre + (bg * (255 - a) + 127) / 255, 0, 254); };
            dst[x] = qRgb(mix(qRed(src[x]), qRed(kPadGrey)), mix(qGreen(src[x]), qGreen(kPadGrey)),
                          mix(qBlue(src[x]), qBlue(kPadGrey)));
        }
    }
    out.setPixel(0, 0, kKeyWhite);
    return out;
}

}  // namespace tresilva
