#pragma once
// The colour of a lit surface as a ramp from its deepest shadow (0) to its
// brightest highlight (1), for gold, blue enamel, green glass, wood and steel.
#include <initializer_list>
#include <vector>

#include <QColor>

namespace tresilva {

struct RampStop {
    double at;
    int r, g, b;
};

class Material {
public:
    Material(std::initializer_list<RampStop> stops, double gloss);
    QRgb At(double t) const;  // t clamped to [0, 1]
    double Gloss() const { return gloss_; }

    static const Material& Gold();
    static const Material& Blue();
    static const Material& Green();
    static const Material& Wood();
    static const Material& Steel();
    static const Material& Yellow();

private:
    std::vector<RampStop> stops_;
    double gloss_;
};

}  // namespace tresilva
