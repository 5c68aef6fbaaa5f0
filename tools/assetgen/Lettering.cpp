#include "tools/assetgen/Lettering.h"

#include "tools/assetgen/Bevel.h"
#include "tools/assetgen/Layer.h"
#include "tools/assetgen/Outline.h"

namespace tresilva {

QImage BannerPicture() {
    constexpr int kW = 262, kH = 62;
    const QPainterPath text =
        FitInto(TextOutline(Face::SansBoldItalic, "Tresilva 99", 100), QRectF(6.0, 7.0, 250.0, 47.0));
    BevelStyle style;
    style.width = 3.2;
    style.outline = 1.0;
    style.faceTilt = 0.25;
    return Flatten(Downsample(ShadeBevel(text, kW, kH, Material::Gold(), style)), qRgb(255, 255, 255));
}

QImage ClickHerePicture() {
    constexpr int kW = 176, kH = 32;
    const QPainterPath text = FitInto(TextOutline(Face::SansBold, "Cliquez ici", 100), QRectF(5.0, 3.0, 166.0, 26.0));
    BevelStyle style;
    style.width = 1.8;
    style.outline = 0.7;
    style.faceTilt = 0.22;
    return Flatten(Downsample(ShadeBevel(text, kW, kH, Material::Gold(), style)), qRgb(255, 255, 255));
}

}  // namespace tresilva
