#include "tools/assetgen/Material.h"

#include <algorithm>
#include <cmath>

namespace tresilva {

Material::Material(std::initializer_list<RampStop> stops, double gloss) : stops_(stops), gloss_(gloss) {}

QRgb Material::At(double t) const {
    t = std::clamp(t, 0.0, 1.0);
    for (std::size_t i = 1; i < stops_.size(); ++i) {
        if (t <= stops_[i].at) {
            const RampStop& a = stops_[i - 1];
            const RampStop& b = stops_[i];
            const double f = (t - a.at) / (b.at - a.at);
            auto lerp = [f](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * f)); };
            return qRgb(lerp(a.r, b.r), lerp(a.g, b.g), lerp(a.b, b.b));
        }
    }
    const RampStop& last = stops_.back();
    return qRgb(last.r, last.g, last.b);
}

const Material& Material::Gold() {
    static const Material m({{0.00, 62, 34, 0},
                             {0.22, 128, 78, 6},
                             {0.45, 196, 140, 24},
                             {0.62, 232, 182, 52},
                             {0.80, 250, 222, 120},
                             {1.00, 254, 246, 200}},
                            0.45);
    return m;
}

const Material& Material::Blue() {
    static const Material m({{0.00, 0, 8, 60},
                             {0.30, 10, 40, 150},
                             {0.55, 30, 90, 225},
                             {0.78, 110, 165, 250},
                             {1.00, 220, 235, 254}},
                            0.5);
    return m;
}

const Material& Material::Green() {
    static const Material m({{0.00, 0, 40, 0},
                             {0.35, 10, 110, 20},
                             {0.60, 40, 175, 45},
                             {0.82, 140, 230, 120},
                             {1.00, 230, 254, 225}},
                            0.6);
    return m;
}

const Material& Material::Wood() {
    static const Material m({{0.00, 60, 28, 6},
                             {0.35, 120, 62, 20},
                             {0.60, 176, 104, 46},
                             {0.85, 222, 160, 96},
                             {1.00, 246, 206, 150}},
                            0.15);
    return m;
}

const Material& Material::Steel() {
    static const Material m({{0.00, 30, 34, 42},
                             {0.35, 84, 92, 106},
                             {0.60, 140, 150, 164},
                             {0.82, 196, 204, 216},
                             {1.00, 246, 248, 252}},
                            0.55);
    return m;
}

const Material& Material::Yellow() {
    static const Material m({{0.00, 120, 80, 0},
                             {0.30, 200, 150, 0},
                             {0.55, 250, 210, 0},
                             {0.80, 254, 238, 90},
                             {1.00, 254, 250, 200}},
                            0.35);
    return m;
}

}  // namespace tresilva
