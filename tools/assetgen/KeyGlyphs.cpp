#include "tools/assetgen/KeyGlyphs.h"

#include "tools/assetgen/Bevel.h"
#include "tools/assetgen/Layer.h"
#include "tools/assetgen/Outline.h"

namespace tresilva {

namespace {

constexpr int kGlyphHeight = 42;
// Digits stand on one baseline with the same cap height; the picture widths
// are the keys' own.
constexpr double kDigitTop = 4.5, kDigitBottom = 37.5;
// The font's bold is grown a little so the keys show more of their gold face.
constexpr double kHeavier = 0.6;

struct Key {
    const char* text;
    int width;
};
constexpr Key kKeys[] = {{"7", 30}, {"8", 28}, {"9", 28}, {"4", 30}, {"5", 28}, {"6", 27},
                         {"1", 28}, {"2", 28}, {"3", 28}, {"0", 30}, {".", 20}};

BevelStyle KeyBevel() {
    BevelStyle style;
    style.width = 2.6;
    style.outline = 0.9;
    style.faceTilt = 0.22;
    return style;
}

}  // namespace

std::vector<KeyGlyph> KeypadGlyphs() {
    // One scale for every digit, from the height of "0" (its ink is the tallest).
    const double probe = 100;
    const QRectF zero = TextOutline(Face::SansBold, "0", probe).boundingRect();
    const double scale = probe * (kDigitBottom - kDigitTop - 2 * kHeavier) / zero.height();
    const double baseline = kDigitBottom - kHeavier;
    std::vector<KeyGlyph> out;
    for (const Key& key : kKeys) {
        const bool point = key.text[0] == '.';
        // The full stop is drawn larger than the font's, so it reads as a key.
        QPainterPath path = Emboldened(TextOutline(Face::SansBold, key.text, point ? scale * 1.45 : scale), kHeavier);
        const QRectF ink = path.boundingRect();
        // Round digits (0 3 6 8 9) overshoot the baseline slightly; keep it.
        path.translate(key.width / 2.0 - ink.center().x(), baseline);
        const QString name = point ? QString("point") : QString(key.text);
        out.push_back({name, FlattenOnKey(Downsample(ShadeBevel(path, key.width, kGlyphHeight, Material::Gold(),
                                                                KeyBevel())))});
    }
    return out;
}

QImage EraseGlyph() {
    constexpr int kW = 33, kH = 35;
    QPainterPath arrow;
    arrow.moveTo(2.5, 17.5);
    arrow.lineTo(30.5, 3.0);
    arrow.quadTo(26.0, 17.5, 30.5, 32.0);
    arrow.closeSubpath();
    return FlattenOnKey(Downsample(ShadeBevel(arrow, kW, kH, Material::Gold(), KeyBevel())));
}

}  // namespace tresilva
