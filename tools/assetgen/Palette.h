#pragma once
// 256-colour pictures: a palette chosen by median cut over a set of images (so
// the frames of one animation share it), and the images mapped onto it.
#include <array>
#include <cstdint>
#include <vector>

#include <QImage>

namespace tresilva {

using Palette = std::array<QRgb, 256>;

struct IndexedImage {
    int width = 0;
    int height = 0;
    Palette palette{};
    std::vector<std::uint8_t> indices;  // top row first

    std::uint8_t At(int x, int y) const { return indices[static_cast<std::size_t>(y) * width + x]; }
    QImage ToImage() const;
};

// Colours of `keep` get entries of their own and stay exact; every image with
// 256 colours or fewer (keep included) is reproduced exactly. Deterministic:
// the same pixels give the same palette. Unused entries are black.
Palette BuildPalette(const std::vector<QImage>& images, const std::vector<QRgb>& keep = {});
// Each pixel takes the nearest entry (the first of equals).
IndexedImage Quantise(const QImage& image, const Palette& palette);

}  // namespace tresilva
