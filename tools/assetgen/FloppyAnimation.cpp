#include "tools/assetgen/FloppyAnimation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <QPainter>
#include <QPainterPath>

#include "tools/assetgen/Bevel.h"
#include "tools/assetgen/Layer.h"

namespace tresilva {

namespace {

constexpr int kW = 50, kH = 40, kFrames = 36;
constexpr double kCx = 25.0, kCy = 20.0;
constexpr double kRx = 22.5, kRy = 7.0;  // the arrow's orbit, seen from slightly above
constexpr double kTilt = -0.26;          // radians: the orbit leans a little
constexpr double kArc = 2.6;             // radians of orbit the arrow's shaft covers

struct OrbitPoint {
    QPointF at;
    double depth;  // -1 behind the disk ... 1 in front
};

OrbitPoint Orbit(double angle) {
    const double ex = kRx * std::cos(angle), ey = kRy * std::sin(angle);
    const double c = std::cos(kTilt), s = std::sin(kTilt);
    return {QPointF(kCx + ex * c - ey * s, kCy + ex * s + ey * c), std::sin(angle)};
}

QColor ArrowRed(double depth) {
    const double t = (depth + 1) / 2;
    return QColor(static_cast<int>(std::lround(130 + 115 * t)), static_cast<int>(std::lround(10 + 30 * t)),
                  static_cast<int>(std::lround(10 + 20 * t)));
}

// Draws the part of the arrow on one side of the disk (front or back).
void DrawArrow(QPainter& p, double head, bool front) {
    constexpr int kSteps = 48;
    for (int i = 0; i < kSteps; ++i) {
        const double a0 = head - kArc + kArc * i / kSteps;
        const double a1 = head - kArc + kArc * (i + 1) / kSteps;
        const OrbitPoint p0 = Orbit(a0), p1 = Orbit(a1);
        const double depth = (p0.depth + p1.depth) / 2;
        if ((depth >= 0) != front) continue;
        // The shaft thickens toward its head and toward the viewer.
        const double width = (0.9 + 1.6 * (i / double(kSteps))) * (1.0 + 0.35 * depth);
        p.setPen(QPen(ArrowRed(depth), width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(p0.at, p1.at);
    }
    const OrbitPoint tip = Orbit(head + 0.32), base = Orbit(head);
    if ((tip.depth >= 0) != front) return;
    const QPointF along = tip.at - base.at;
    const double len = std::hypot(along.x(), along.y());
    const QPointF n(-along.y() / len, along.x() / len);
    const double half = 3.2 * (1.0 + 0.35 * tip.depth);
    QPainterPath arrowhead;
    arrowhead.moveTo(tip.at + along * 0.5);
    arrowhead.lineTo(base.at + n * half);
    arrowhead.lineTo(base.at - n * half);
    arrowhead.closeSubpath();
    p.setPen(Qt::NoPen);
    p.fillPath(arrowhead, ArrowRed(tip.depth));
}

QImage Disk() {
    // A 3.5-inch disk, 24 pixels square: dark body, metal shutter, white label.
    constexpr double x0 = 13.0, y0 = 8.0, size = 24.0;
    QPainterPath body;
    body.moveTo(x0 + 0.8, y0);
    body.lineTo(x0 + size - 2.5, y0);
    body.lineTo(x0 + size, y0 + 2.5);  // the cut corner
    body.lineTo(x0 + size, y0 + size - 0.8);
    body.quadTo(x0 + size, y0 + size, x0 + size - 0.8, y0 + size);
    body.lineTo(x0 + 0.8, y0 + size);
    body.quadTo(x0, y0 + size, x0, y0 + size - 0.8);
    body.lineTo(x0, y0 + 0.8);
    body.quadTo(x0, y0, x0 + 0.8, y0);
    body.closeSubpath();
    static const Material kPlastic({{0.0, 8, 10, 24}, {0.4, 30, 36, 70}, {0.6, 48, 58, 108}, {1.0, 150, 160, 210}}, 0.3);
    static const Material kMetal({{0.0, 70, 74, 82}, {0.4, 150, 156, 166}, {0.6, 196, 200, 208}, {1.0, 250, 250, 252}}, 0.5);
    BevelStyle bodyStyle;
    bodyStyle.width = 1.4;
    bodyStyle.faceTilt = 0.1;
    QImage layer = ShadeBevel(body, kW, kH, kPlastic, bodyStyle);
    QPainterPath shutter;
    shutter.addRect(QRectF(x0 + 6.0, y0, 12.5, 9.0));
    BevelStyle metalStyle;
    metalStyle.width = 0.9;
    metalStyle.faceTilt = 0.3;
    const QImage shutterLayer = ShadeBevel(shutter, kW, kH, kMetal, metalStyle);
    QPainter p;
    p.begin(&layer);
    p.drawImage(0, 0, shutterLayer);
    p.end();
    BeginOnLayer(p, layer);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 24, 40));
    p.drawRect(QRectF(x0 + 13.5, y0 + 1.5, 2.5, 6.0));  // the window in the shutter
    p.setBrush(QColor(236, 236, 228));
    p.drawRoundedRect(QRectF(x0 + 3.0, y0 + 12.0, size - 6.0, size - 12.0), 0.8, 0.8);  // label
    p.setPen(QPen(QColor(150, 160, 200), 0.6));
    for (int line = 0; line < 3; ++line) {
        const double ly = y0 + 15.0 + 2.6 * line;
        p.drawLine(QPointF(x0 + 5.0, ly), QPointF(x0 + size - 5.0, ly));
    }
    p.end();
    return layer;
}

}  // namespace

std::vector<QImage> FloppyFrames() {
    const QImage disk = Disk();
    std::vector<QImage> frames;
    for (int f = 0; f < kFrames; ++f) {
        const double head = 2 * std::numbers::pi * f / kFrames;
        QImage layer = MakeLayer(kW, kH);
        QPainter p;
        BeginOnLayer(p, layer);
        DrawArrow(p, head, false);
        p.end();
        p.begin(&layer);
        p.drawImage(0, 0, disk);
        p.end();
        BeginOnLayer(p, layer);
        DrawArrow(p, head, true);
        p.end();
        frames.push_back(Flatten(Downsample(layer), qRgb(255, 255, 255)));
    }
    return frames;
}

}  // namespace tresilva
