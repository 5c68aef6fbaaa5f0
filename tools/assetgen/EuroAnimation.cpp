#include "tools/assetgen/EuroAnimation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <QPainter>

#include "tools/assetgen/Bevel.h"
#include "tools/assetgen/Flags.h"
#include "tools/assetgen/Layer.h"

namespace tresilva {

namespace {

constexpr int kW = 61, kH = 43, kFrames = 6;
constexpr double kFlagLeft = 7.0, kFlagTop = 5.0, kFlagW = 51.0, kFlagH = 33.0;
constexpr double kWaves = 1.25;     // wave lengths across the flag
constexpr double kAmplitude = 2.6;  // pixels, at the fly

QImage FlatFlag() {
    constexpr int tw = 408, th = 264;
    QImage flat(tw, th, QImage::Format_RGB32);
    flat.fill(QColor(0, 51, 153));
    QPainter p(&flat);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillPath(EuropeanStars(tw / 2.0, th / 2.0, th), QColor(255, 204, 0));
    return flat;
}

QRgb Sample(const QImage& flat, double u, double v) {
    const int x = std::clamp(static_cast<int>(u * flat.width()), 0, flat.width() - 1);
    const int y = std::clamp(static_cast<int>(v * flat.height()), 0, flat.height() - 1);
    return flat.pixel(x, y);
}

}  // namespace

std::vector<QImage> EuroFrames() {
    const QImage flat = FlatFlag();
    std::vector<QImage> frames;
    constexpr double kTwoPi = 2 * std::numbers::pi;
    for (int f = 0; f < kFrames; ++f) {
        const double phase = f / double(kFrames);
        QImage layer = MakeLayer(kW, kH);
        for (int y = 0; y < layer.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(layer.scanLine(y));
            for (int x = 0; x < layer.width(); ++x) {
                const double px = (x + 0.5) / kScale, py = (y + 0.5) / kScale;
                const double u = (px - kFlagLeft) / kFlagW;
                if (u < 0 || u > 1) continue;
                // The hoist is held by the pole; the wave grows toward the fly.
                const double reach = std::pow(u, 0.85);
                const double angle = kTwoPi * (kWaves * u - phase);
                const double lift = kAmplitude * reach * std::sin(angle);
                const double v = (py - kFlagTop - lift) / kFlagH;
                if (v < 0 || v > 1) continue;
                // Light from the top left: the slopes facing it are lighter.
                const double slope = kAmplitude * reach * std::cos(angle) * kTwoPi * kWaves / kFlagW;
                const double shade = std::clamp(1.0 - 2.2 * slope + 0.06 * (0.5 - v), 0.55, 1.3);
                const QRgb c = Sample(flat, u, v);
                auto lit = [shade](int ch) {
                    const double s = ch * shade;
                    return std::clamp(static_cast<int>(std::lround(s > 255 ? 255 : s)), 0, 255);
                };
                row[x] = qRgb(lit(qRed(c)), lit(qGreen(c)), lit(qBlue(c)));
            }
        }
        // The pole, in front of the hoist, with a ball on top.
        QPainterPath pole;
        pole.addRoundedRect(QRectF(4.0, 4.0, 3.0, 38.5), 1.0, 1.0);
        BevelStyle style;
        style.width = 1.2;
        style.faceTilt = 0.0;
        const QImage poleLayer = ShadeBevel(pole, kW, kH, Material::Gold(), style);
        const QImage knob = ShadeSphere(QPointF(5.5, 3.2), 2.6, kW, kH, Material::Gold());
        QPainter p(&layer);
        p.drawImage(0, 0, poleLayer);
        p.drawImage(0, 0, knob);
        p.end();
        frames.push_back(Flatten(Downsample(layer), kPadGrey));
    }
    return frames;
}

}  // namespace tresilva
