#include "tools/assetgen/Palette.h"

#include <algorithm>
#include <map>
#include <unordered_map>

namespace tresilva {

namespace {

struct Entry {
    QRgb rgb;
    std::uint64_t count;
};

int Channel(QRgb c, int axis) { return axis == 0 ? qRed(c) : axis == 1 ? qGreen(c) : qBlue(c); }

int Range(const std::vector<Entry>& box, int axis) {
    int lo = 255, hi = 0;
    for (const Entry& e : box) {
        lo = std::min(lo, Channel(e.rgb, axis));
        hi = std::max(hi, Channel(e.rgb, axis));
    }
    return hi - lo;
}

QRgb Average(const std::vector<Entry>& box) {
    std::uint64_t r = 0, g = 0, b = 0, n = 0;
    for (const Entry& e : box) {
        r += static_cast<std::uint64_t>(qRed(e.rgb)) * e.count;
        g += static_cast<std::uint64_t>(qGreen(e.rgb)) * e.count;
        b += static_cast<std::uint64_t>(qBlue(e.rgb)) * e.count;
        n += e.count;
    }
    return qRgb(static_cast<int>((r + n / 2) / n), static_cast<int>((g + n / 2) / n),
                static_cast<int>((b + n / 2) / n));
}

}  // namespace

QImage IndexedImage::ToImage() const {
    QImage out(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) out.setPixel(x, y, palette[At(x, y)]);
    return out;
}

Palette BuildPalette(const std::vector<QImage>& images, const std::vector<QRgb>& keep) {
    std::map<QRgb, std::uint64_t> histogram;  // ordered, so the cut never depends on hashing
    std::vector<QRgb> fixed;
    for (const QRgb k : keep) fixed.push_back(k | 0xFF000000u);
    for (const QImage& source : images) {
        const QImage image = source.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = row[x] | 0xFF000000u;
                if (std::find(fixed.begin(), fixed.end(), c) == fixed.end()) ++histogram[c];
            }
        }
    }
    Palette palette;
    palette.fill(qRgb(0, 0, 0));
    std::size_t next = 0;
    for (const QRgb k : fixed) palette[next++] = k;
    const std::size_t room = palette.size() - next;

    std::vector<std::vector<Entry>> boxes;
    if (!histogram.empty()) {
        std::vector<Entry> all;
        for (const auto& [rgb, count] : histogram) all.push_back({rgb, count});
        boxes.push_back(std::move(all));
    }
    bool exact = histogram.size() <= room;
    if (exact) {
        for (const auto& [rgb, count] : histogram) palette[next++] = rgb;
        return palette;
    }
    while (boxes.size() < room) {
        // Split the box with the widest channel range (the first of equals).
        std::size_t best = boxes.size();
        int bestRange = 0, bestAxis = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].size() < 2) continue;
            for (int axis = 0; axis < 3; ++axis) {
                const int r = Range(boxes[i], axis);
                if (r > bestRange) {
                    bestRange = r;
                    bestAxis = axis;
                    best = i;
                }
            }
        }
        if (best == boxes.size()) break;
        std::vector<Entry>& box = boxes[best];
        std::stable_sort(box.begin(), box.end(), [bestAxis](const Entry& a, const Entry& b) {
            const int ca = Channel(a.rgb, bestAxis), cb = Channel(b.rgb, bestAxis);
            return ca != cb ? ca < cb : a.rgb < b.rgb;
        });
        std::uint64_t total = 0;
        for (const Entry& e : box) total += e.count;
        std::uint64_t running = 0;
        std::size_t cut = 1;
        for (std::size_t i = 0; i + 1 < box.size(); ++i) {
            running += box[i].count;
            cut = i + 1;
            if (running * 2 >= total) break;
        }
        std::vector<Entry> upper(box.begin() + static_cast<std::ptrdiff_t>(cut), box.end());
        box.resize(cut);
        boxes.push_back(std::move(upper));
    }
    for (const auto& box : boxes) palette[next++] = Average(box);
    return palette;
}

IndexedImage Quantise(const QImage& source, const Palette& palette) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    IndexedImage out;
    out.width = image.width();
    out.height = image.height();
    out.palette = palette;
    out.indices.resize(static_cast<std::size_t>(out.width) * out.height);
    std::unordered_map<QRgb, std::uint8_t> cache;
    for (int y = 0; y < out.height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < out.width; ++x) {
            const QRgb c = row[x] | 0xFF000000u;
            auto it = cache.find(c);
            if (it == cache.end()) {
                int best = 0;
                long bestDistance = -1;
                for (int i = 0; i < 256; ++i) {
                    const long dr = qRed(c) - qRed(palette[i]);
                    const long dg = qGreen(c) - qGreen(palette[i]);
                    const long db = qBlue(c) - qBlue(palette[i]);
                    const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
                    if (bestDistance < 0 || d < bestDistance) {
                        bestDistance = d;
                        best = i;
                    }
                }
                it = cache.emplace(c, static_cast<std::uint8_t>(best)).first;
            }
            out.indices[static_cast<std::size_t>(y) * out.width + x] = it->second;
        }
    }
    return out;
}

}  // namespace tresilva
