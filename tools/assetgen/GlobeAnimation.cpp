#include "tools/assetgen/GlobeAnimation.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include <QPainter>
#include <QPolygonF>

#include "tools/assetgen/Bevel.h"
#include "tools/assetgen/Layer.h"

namespace tresilva {

namespace {

constexpr int kW = 39, kH = 42, kFrames = 12;
constexpr double kCx = 19.5, kCy = 18.5, kRadius = 17.0;
constexpr double kPi = std::numbers::pi;
constexpr double kAxisTilt = 23.5 * kPi / 180;  // the axis leans right, as on a desk globe
constexpr double kViewLatitude = 18 * kPi / 180;

// Coastlines, rough but recognisable at this size: (longitude, latitude) pairs.
const std::vector<std::vector<QPointF>>& Continents() {
    static const std::vector<std::vector<QPointF>> land = {
        // North America
        {{-168, 66}, {-160, 71}, {-140, 70}, {-125, 72}, {-95, 73}, {-80, 68}, {-65, 60}, {-56, 52}, {-66, 45},
         {-70, 42}, {-76, 35}, {-81, 31}, {-80, 25}, {-82, 27}, {-85, 30}, {-90, 29}, {-97, 27}, {-97, 20},
         {-92, 18}, {-88, 15}, {-83, 9}, {-78, 8}, {-80, 7}, {-86, 11}, {-92, 14}, {-101, 17}, {-106, 22},
         {-110, 24}, {-115, 30}, {-118, 34}, {-123, 38}, {-124, 45}, {-125, 50}, {-132, 55}, {-140, 60},
         {-150, 60}, {-160, 58}, {-165, 62}},
        // Greenland
        {{-55, 60}, {-44, 60}, {-22, 70}, {-18, 80}, {-40, 83}, {-65, 80}, {-72, 77}, {-56, 70}},
        // South America
        {{-80, 8}, {-75, 11}, {-62, 11}, {-50, 5}, {-35, -5}, {-38, -13}, {-40, -22}, {-48, -28}, {-58, -38},
         {-65, -41}, {-68, -50}, {-70, -55}, {-75, -50}, {-73, -40}, {-71, -30}, {-70, -18}, {-76, -14},
         {-81, -5}, {-80, 0}, {-78, 5}},
        // Eurasia
        {{-10, 36}, {-9, 43}, {-2, 44}, {-5, 48}, {2, 51}, {8, 54}, {10, 57}, {5, 60}, {10, 63}, {18, 70},
         {30, 71}, {40, 67}, {60, 70}, {80, 73}, {100, 77}, {120, 73}, {140, 72}, {160, 70}, {180, 68},
         {180, 65}, {170, 60}, {160, 53}, {156, 58}, {140, 55}, {135, 45}, {128, 40}, {126, 35}, {121, 31},
         {120, 23}, {110, 20}, {108, 12}, {104, 9}, {100, 13}, {98, 8}, {103, 1}, {98, 10}, {92, 21}, {88, 22},
         {80, 15}, {77, 8}, {73, 18}, {67, 24}, {57, 25}, {56, 27}, {50, 30}, {48, 29}, {55, 22}, {58, 20},
         {52, 15}, {43, 12}, {35, 28}, {33, 31}, {36, 36}, {27, 37}, {26, 41}, {23, 37}, {20, 40}, {15, 38},
         {12, 44}, {8, 44}, {3, 43}, {-5, 36}},
        // Africa
        {{-17, 21}, {-10, 30}, {-6, 36}, {10, 37}, {11, 33}, {20, 31}, {32, 31}, {35, 28}, {43, 12}, {51, 12},
         {40, -5}, {40, -15}, {33, -25}, {20, -35}, {18, -30}, {12, -18}, {13, -5}, {9, 4}, {-8, 5}, {-15, 11},
         {-17, 15}},
        // Australia
        {{114, -22}, {122, -18}, {130, -12}, {137, -12}, {142, -11}, {146, -19}, {153, -26}, {150, -37},
         {140, -38}, {130, -32}, {115, -34}, {113, -26}},
        // Great Britain, Japan, Borneo, Sumatra, New Guinea, Madagascar
        {{-5, 50}, {1, 51}, {-2, 56}, {-5, 58}, {-6, 54}},
        {{130, 31}, {140, 35}, {142, 41}, {140, 41}, {135, 35}},
        {{109, 1}, {117, 7}, {119, 0}, {116, -4}, {110, -3}},
        {{95, 5}, {106, -6}, {102, -4}},
        {{131, -1}, {141, -3}, {150, -10}, {141, -9}},
        {{44, -25}, {50, -15}, {49, -12}, {44, -17}},
        // Antarctica
        {{-180, -70}, {-120, -73}, {-60, -65}, {0, -70}, {60, -67}, {120, -66}, {180, -70}, {180, -90},
         {-180, -90}},
    };
    return land;
}

// Land cover as an equirectangular map, half a degree to the pixel.
QImage LandMap() {
    QImage map(720, 360, QImage::Format_ARGB32_Premultiplied);
    map.fill(Qt::transparent);
    QPainter p(&map);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (const auto& outline : Continents()) {
        QPolygonF poly;
        for (const QPointF& ll : outline) poly << QPointF((ll.x() + 180) * 2, (90 - ll.y()) * 2);
        p.drawPolygon(poly);
    }
    return map;
}

double LandAt(const QImage& map, double lon, double lat) {
    double x = (lon / kPi * 180 + 180) * 2 - 0.5, y = (90 - lat / kPi * 180) * 2 - 0.5;
    const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    const double fx = x - x0, fy = y - y0;
    auto at = [&](int xx, int yy) {
        xx = ((xx % 720) + 720) % 720;
        yy = std::clamp(yy, 0, 359);
        return qAlpha(map.pixel(xx, yy)) / 255.0;
    };
    const double top = at(x0, y0) * (1 - fx) + at(x0 + 1, y0) * fx;
    const double bottom = at(x0, y0 + 1) * (1 - fx) + at(x0 + 1, y0 + 1) * fx;
    return top * (1 - fy) + bottom * fy;
}

struct Rgb {
    double r, g, b;
};

Rgb Mix(Rgb a, Rgb b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }

QImage Stand() {
    QImage layer = MakeLayer(kW, kH);
    QPainterPath stem;
    stem.addRect(QRectF(kCx - 1.5, kCy + kRadius - 1.0, 3.0, 4.0));
    QPainterPath base;
    base.addEllipse(QPointF(kCx, kH - 2.2), 9.0, 1.9);
    BevelStyle style;
    style.width = 1.0;
    style.faceTilt = 0.0;
    const QImage a = ShadeBevel(stem, kW, kH, Material::Gold(), style);
    const QImage b = ShadeBevel(base, kW, kH, Material::Gold(), style);
    QPainter p(&layer);
    p.drawImage(0, 0, a);
    p.drawImage(0, 0, b);
    return layer;
}

}  // namespace

std::vector<QImage> GlobeFrames() {
    const QImage map = LandMap();
    const QImage stand = Stand();
    QImage disc = MakeLayer(kW, kH);
    {
        QPainter p;
        BeginOnLayer(p, disc);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(kCx, kCy), kRadius, kRadius);
    }
    const Rgb ocean{28, 84, 190}, deepOcean{12, 40, 120}, forest{46, 140, 52}, desert{196, 172, 100},
        ice{236, 240, 246};
    const double lx = -0.55, ly = -0.6, lz = 0.58;
    std::vector<QImage> frames;
    for (int f = 0; f < kFrames; ++f) {
        // The globe turns west to east: the surface moves to the right.
        const double centreLon = -2 * kPi * f / kFrames + 10 * kPi / 180;
        QImage layer = stand;
        QImage globe = MakeLayer(kW, kH);
        for (int y = 0; y < globe.height(); ++y) {
            const auto* cov = reinterpret_cast<const QRgb*>(disc.constScanLine(y));
            auto* dst = reinterpret_cast<QRgb*>(globe.scanLine(y));
            for (int x = 0; x < globe.width(); ++x) {
                const int alpha = qAlpha(cov[x]);
                if (alpha == 0) continue;
                const double sx = ((x + 0.5) / kScale - kCx) / kRadius, sy = ((y + 0.5) / kScale - kCy) / kRadius;
                const double r2 = std::min(1.0, sx * sx + sy * sy);
                const double sz = std::sqrt(1 - r2);
                // Undo the axis tilt (about the view axis), then the view latitude (about x).
                const double ca = std::cos(kAxisTilt), sa = std::sin(kAxisTilt);
                const double tx = sx * ca + sy * sa, ty = -sx * sa + sy * ca;
                const double cb = std::cos(kViewLatitude), sb = std::sin(kViewLatitude);
                const double gy = ty * cb - sz * sb, gz = ty * sb + sz * cb;
                const double lat = std::asin(std::clamp(-gy, -1.0, 1.0));
                const double lon = std::remainder(std::atan2(tx, gz) + centreLon, 2 * kPi);
                const double land = LandAt(map, lon, lat);
                const double absLat = std::abs(lat) * 180 / kPi;
                const double dry = std::clamp(1.0 - std::abs(absLat - 24) / 9, 0.0, 1.0) * 0.4;
                Rgb ground = Mix(forest, desert, dry);
                ground = Mix(ground, ice, std::clamp((absLat - 64) / 8, 0.0, 1.0));
                Rgb sea = Mix(deepOcean, ocean, sz);
                sea = Mix(sea, ice, std::clamp((absLat - 74) / 6, 0.0, 1.0));
                Rgb c = Mix(sea, ground, land);
                const double diffuse = std::max(0.0, sx * lx + sy * ly + sz * lz);
                const double light = 0.32 + 0.9 * diffuse;
                const double rz = 2 * diffuse * sz - lz;  // highlight on the water
                const double glint = (1 - land) * (rz > 0 ? 0.55 * std::pow(rz, 30) : 0.0);
                auto channel = [&](double v) {
                    const double lit = v * light + (250 - v * light) * glint;
                    return std::clamp(static_cast<int>(std::lround(lit)), 0, 250);
                };
                const int r = channel(c.r), g = channel(c.g), b = channel(c.b);
                dst[x] = qRgba(r * alpha / 255, g * alpha / 255, b * alpha / 255, alpha);
            }
        }
        QPainter p(&layer);
        p.drawImage(0, 0, globe);
        p.end();
        frames.push_back(Flatten(Downsample(layer), qRgb(255, 255, 255)));
    }
    return frames;
}

}  // namespace tresilva
