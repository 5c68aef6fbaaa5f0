#include "tools/assetgen/ContactSheet.h"

#include <algorithm>

#include <QFont>
#include <QPainter>

namespace tresilva {

namespace {

constexpr int kMargin = 16, kGap = 14, kTitle = 24, kCaption = 16;

QImage Zoomed(const QImage& image, int zoom) {
    return image.scaled(image.width() * zoom, image.height() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// The picture with its top-left colour transparent, laid on the marble.
QImage OnMarble(const QImage& image, const QImage& marble) {
    QImage out(image.size(), QImage::Format_RGB32);
    const QRgb key = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            out.setPixel(x, y, c == key ? marble.pixel((x + 40) % marble.width(), (y + 40) % marble.height()) : c);
        }
    return out;
}

QImage CursorOnGrey(const QImage& cursor) {
    QImage out(cursor.size(), QImage::Format_RGB32);
    for (int y = 0; y < cursor.height(); ++y)
        for (int x = 0; x < cursor.width(); ++x) {
            const QRgb c = cursor.pixel(x, y);
            out.setPixel(x, y, qAlpha(c) == 0 ? ((x + y) % 2 ? qRgb(150, 170, 150) : qRgb(130, 150, 130)) : c);
        }
    const QStringList hot = cursor.text("hotspot").split(',');
    if (hot.size() == 2) out.setPixel(hot[0].toInt(), hot[1].toInt(), qRgb(255, 0, 0));
    return out;
}

}  // namespace

QImage ContactSheet(const AssetSet& set) {
    QImage canvas(2200, 8000, QImage::Format_RGB32);
    canvas.fill(qRgb(246, 246, 246));
    QPainter p(&canvas);
    QFont titleFont("Liberation Sans");
    titleFont.setPixelSize(16);
    titleFont.setBold(true);
    QFont captionFont("Liberation Sans");
    captionFont.setPixelSize(12);
    int y = kMargin, right = 0;
    auto line = [&](const std::vector<QImage>& images, const std::vector<QString>& captions, int perLine) {
        int x = kMargin, lineHeight = 0;
        for (std::size_t i = 0; i < images.size(); ++i) {
            if (perLine > 0 && i > 0 && i % perLine == 0) {
                y += lineHeight + kCaption + kGap;
                x = kMargin;
                lineHeight = 0;
            }
            p.drawImage(x, y, images[i]);
            p.setPen(QColor(40, 40, 40));
            p.drawRect(x - 1, y - 1, images[i].width() + 1, images[i].height() + 1);
            if (i < captions.size()) {
                p.setFont(captionFont);
                p.drawText(QRect(x, y + images[i].height() + 2, std::max(images[i].width(), 40), kCaption),
                           Qt::AlignLeft | Qt::AlignTop, captions[i]);
            }
            x += images[i].width() + kGap;
            right = std::max(right, x);
            lineHeight = std::max(lineHeight, images[i].height());
        }
        y += lineHeight + kCaption + kGap;
    };
    for (const SheetRow& row : set.sheet) {
        p.setFont(titleFont);
        p.setPen(QColor(0, 0, 0));
        p.drawText(QRect(kMargin, y, 2000, kTitle), Qt::AlignLeft | Qt::AlignVCenter, row.title);
        y += kTitle + 4;
        std::vector<QImage> plain, keyed;
        for (const QImage& image : row.images) {
            if (row.backdrop == Backdrop::Cursor) {
                plain.push_back(Zoomed(CursorOnGrey(image), row.zoom));
            } else if (row.backdrop == Backdrop::Tiled) {
                QImage tiled(image.width() * 2, image.height() * 2, QImage::Format_RGB32);
                QPainter t(&tiled);
                for (int ty = 0; ty < 2; ++ty)
                    for (int tx = 0; tx < 2; ++tx) t.drawImage(tx * image.width(), ty * image.height(), image);
                t.end();
                plain.push_back(Zoomed(tiled, row.zoom));
            } else {
                plain.push_back(Zoomed(image, row.zoom));
            }
            if (row.backdrop == Backdrop::Keyed) keyed.push_back(Zoomed(OnMarble(image, set.marble), row.zoom));
        }
        line(plain, row.captions, row.perLine);
        if (!keyed.empty()) line(keyed, {}, row.perLine);
    }
    p.end();
    return canvas.copy(0, 0, std::min(canvas.width(), right + kMargin), std::min(canvas.height(), y + kMargin));
}

}  // namespace tresilva
