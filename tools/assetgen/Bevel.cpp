#include "tools/assetgen/Bevel.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include <QPainter>

#include "tools/assetgen/Layer.h"

namespace tresilva {

namespace {

struct Vec3 {
    double x, y, z;
};

Vec3 Normalised(Vec3 v) {
    const double n = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return {v.x / n, v.y / n, v.z / n};
}

double Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

const Vec3 kLight = Normalised({-1.0, -1.1, 1.25});

// One dimension of the exact squared Euclidean distance transform.
void Transform1D(const std::vector<double>& f, std::vector<double>& d, std::vector<int>& v, std::vector<double>& z) {
    const int n = static_cast<int>(f.size());
    int k = 0;
    v[0] = 0;
    z[0] = -std::numeric_limits<double>::infinity();
    z[1] = std::numeric_limits<double>::infinity();
    for (int q = 1; q < n; ++q) {
        auto meet = [&](int p) { return ((f[q] + q * q) - (f[p] + p * p)) / (2.0 * q - 2.0 * p); };
        double s = meet(v[k]);
        while (s <= z[k]) {  // z[0] is minus infinity, so k never drops below 0
            --k;
            s = meet(v[k]);
        }
        ++k;
        v[k] = q;
        z[k] = s;
        z[k + 1] = std::numeric_limits<double>::infinity();
    }
    k = 0;
    for (int q = 0; q < n; ++q) {
        while (z[k + 1] < q) ++k;
        const double dq = q - v[k];
        d[q] = dq * dq + f[v[k]];
    }
}

// Distance of every inside pixel to the nearest outside pixel.
std::vector<double> DistanceInside(const std::vector<bool>& inside, int w, int h) {
    const double inf = 1e20;
    std::vector<double> grid(static_cast<std::size_t>(w) * h);
    for (std::size_t i = 0; i < grid.size(); ++i) grid[i] = inside[i] ? inf : 0.0;
    const int n = std::max(w, h);
    std::vector<double> f(n), d(n), z(n + 1);
    std::vector<int> v(n);
    for (int x = 0; x < w; ++x) {
        f.resize(h);
        d.resize(h);
        for (int y = 0; y < h; ++y) f[y] = grid[static_cast<std::size_t>(y) * w + x];
        Transform1D(f, d, v, z);
        for (int y = 0; y < h; ++y) grid[static_cast<std::size_t>(y) * w + x] = d[y];
    }
    for (int y = 0; y < h; ++y) {
        f.resize(w);
        d.resize(w);
        for (int x = 0; x < w; ++x) f[x] = grid[static_cast<std::size_t>(y) * w + x];
        Transform1D(f, d, v, z);
        for (int x = 0; x < w; ++x) grid[static_cast<std::size_t>(y) * w + x] = std::sqrt(d[x]);
    }
    return grid;
}

QRgb Lit(const Material& material, double t, double glint, int alpha) {
    const QRgb base = material.At(t);
    auto add = [glint](int c) { return std::clamp(static_cast<int>(std::lround(c + (254 - c) * glint)), 0, 254); };
    const int r = add(qRed(base)), g = add(qGreen(base)), b = add(qBlue(base));
    return qRgba(r * alpha / 255, g * alpha / 255, b * alpha / 255, alpha);
}

double Glint(Vec3 n, double strength) {
    const double nl = Dot(n, kLight);
    const double rz = 2 * nl * n.z - kLight.z;  // reflected light toward the viewer
    return rz > 0 ? strength * std::pow(rz, 28) : 0.0;
}

}  // namespace

QImage ShadeBevel(const QPainterPath& path, int w, int h, const Material& material, const BevelStyle& style) {
    QImage coverage = MakeLayer(w, h);
    {
        QPainter p;
        BeginOnLayer(p, coverage);
        p.fillPath(path, Qt::white);
    }
    const int sw = coverage.width(), sh = coverage.height();
    std::vector<bool> inside(static_cast<std::size_t>(sw) * sh);
    for (int y = 0; y < sh; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(coverage.constScanLine(y));
        for (int x = 0; x < sw; ++x) inside[static_cast<std::size_t>(y) * sw + x] = qAlpha(row[x]) >= 128;
    }
    const std::vector<double> distance = DistanceInside(inside, sw, sh);
    const double s = kScale;
    std::vector<double> height(distance.size());
    for (std::size_t i = 0; i < distance.size(); ++i) {
        const double d = std::max(0.0, (distance[i] - 0.5) / s);  // final pixels from the edge
        const double u = std::min(1.0, d / style.width);
        height[i] = style.width * (1.0 - (1.0 - u) * (1.0 - u));  // a rounded chamfer
    }
    const QRectF box = path.boundingRect();
    QImage out = MakeLayer(w, h);
    for (int y = 0; y < sh; ++y) {
        const auto* cov = reinterpret_cast<const QRgb*>(coverage.constScanLine(y));
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < sw; ++x) {
            const int alpha = qAlpha(cov[x]);
            if (alpha == 0) continue;
            auto at = [&](int xx, int yy) {
                xx = std::clamp(xx, 0, sw - 1);
                yy = std::clamp(yy, 0, sh - 1);
                return height[static_cast<std::size_t>(yy) * sw + xx];
            };
            const double gx = (at(x + 1, y) - at(x - 1, y)) * s / 2.0;
            const double gy = (at(x, y + 1) - at(x, y - 1)) * s / 2.0;
            const Vec3 n = Normalised({-gx, -gy, 1.0});
            const double diffuse = Dot(n, kLight);
            const double fy = box.height() > 0 ? ((y + 0.5) / s - box.top()) / box.height() : 0.5;
            double t = 0.58 + (diffuse - kLight.z) * 1.25 + style.faceTilt * (0.5 - fy);
            const double d = std::max(0.0, (distance[static_cast<std::size_t>(y) * sw + x] - 0.5) / s);
            if (style.outline > 0 && d < style.outline) t = std::min(t, 0.12 + t * 0.35);
            dst[x] = Lit(material, t, Glint(n, material.Gloss()), alpha);
        }
    }
    return out;
}

QImage ShadeSphere(QPointF centre, double radius, int w, int h, const Material& material) {
    QImage coverage = MakeLayer(w, h);
    {
        QPainter p;
        BeginOnLayer(p, coverage);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(centre, radius, radius);
    }
    QImage out = MakeLayer(w, h);
    const double s = kScale;
    for (int y = 0; y < out.height(); ++y) {
        const auto* cov = reinterpret_cast<const QRgb*>(coverage.constScanLine(y));
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int alpha = qAlpha(cov[x]);
            if (alpha == 0) continue;
            const double dx = ((x + 0.5) / s - centre.x()) / radius;
            const double dy = ((y + 0.5) / s - centre.y()) / radius;
            const double r2 = std::min(1.0, dx * dx + dy * dy);
            const Vec3 n{dx, dy, std::sqrt(1.0 - r2)};
            const double diffuse = std::max(0.0, Dot(n, kLight));
            const double t = 0.08 + 0.86 * std::pow(diffuse, 0.9) + 0.1 * (1.0 - r2);
            dst[x] = Lit(material, t, Glint(n, material.Gloss()), alpha);
        }
    }
    return out;
}

}  // namespace tresilva
