#include "platform/ui/ClassicLook.h"

#include <QStyle>
#include <QStyleFactory>
#include <QWidget>
#include <algorithm>

namespace tresilva {

QPalette ClassicPalette() {
    const QColor face(192, 192, 192);
    const QColor white(255, 255, 255);
    const QColor black(0, 0, 0);
    const QColor shadow(128, 128, 128);
    QPalette p(face);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Window, face);
        p.setColor(group, QPalette::Button, face);
        p.setColor(group, QPalette::Light, white);
        p.setColor(group, QPalette::Midlight, face);
        p.setColor(group, QPalette::Mid, shadow);
        p.setColor(group, QPalette::Dark, shadow);
        p.setColor(group, QPalette::Shadow, black);
        p.setColor(group, QPalette::Base, group == QPalette::Disabled ? face : white);
        p.setColor(group, QPalette::AlternateBase, face);
        p.setColor(group, QPalette::Highlight, QColor(0, 0, 128));
        p.setColor(group, QPalette::HighlightedText, white);
        p.setColor(group, QPalette::ToolTipBase, QColor(255, 255, 225));
        p.setColor(group, QPalette::ToolTipText, black);
        const QColor text = group == QPalette::Disabled ? shadow : black;
        p.setColor(group, QPalette::WindowText, text);
        p.setColor(group, QPalette::Text, text);
        p.setColor(group, QPalette::ButtonText, text);
    }
    return p;
}

QStyle* ClassicStyle() {
    static QStyle* const style = QStyleFactory::create("Windows");  // lives as long as the process
    return style;
}

void ApplyClassicLook(QWidget& widget) {
    if (QStyle* style = ClassicStyle()) widget.setStyle(style);
    widget.setPalette(ClassicPalette());
}

QImage ToQImage(const TBitmap& bitmap) {
    if (bitmap.Empty()) return QImage();
    // 0x00BBGGRR words are the bytes R, G, B, X in memory.
    return QImage(reinterpret_cast<const uchar*>(bitmap.Row(0)), bitmap.Width(), bitmap.Height(),
                  static_cast<qsizetype>(bitmap.Width()) * 4, QImage::Format_RGBX8888)
        .copy();
}

QImage MaskedImage(const TBitmap& bitmap, int left, int width, TColor transparent) {
    left = std::clamp(left, 0, bitmap.Width());
    width = std::clamp(width, 0, bitmap.Width() - left);
    QImage image(width, bitmap.Height(), QImage::Format_ARGB32);
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < width; ++x) {
            const TColor c = bitmap.Pixel(left + x, y);
            image.setPixel(x, y, c == transparent ? qRgba(0, 0, 0, 0) : qRgb(GetRValue(c), GetGValue(c), GetBValue(c)));
        }
    }
    return image;
}

}  // namespace tresilva
