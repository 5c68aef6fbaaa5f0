#include "platform/gfx/QtFont.h"

#include <QString>
#include <algorithm>

namespace tresilva {

std::string SubstituteFace(const std::string& face) {
    const QString name = QString::fromStdString(face);
    if (name.compare("Arial", Qt::CaseInsensitive) == 0 || name.compare("MS Sans Serif", Qt::CaseInsensitive) == 0) {
        return "Liberation Sans";
    }
    if (name.compare("Comic Sans MS", Qt::CaseInsensitive) == 0) return "Comic Neue";
    return face;
}

QFont ToQFont(const TFont& font) {
    QFont result(QString::fromStdString(SubstituteFace(font.Name())));
    // Layouts in the classic form give character heights as negative numbers;
    // the size is the same. No height at all means the default one.
    long long pixels = font.Height();
    if (pixels < 0) pixels = -pixels;
    if (pixels == 0) pixels = TFont().Height();
    result.setPixelSize(static_cast<int>(std::min(pixels, 4096LL)));
    result.setBold((font.Style() & fsBold) != 0);
    result.setItalic((font.Style() & fsItalic) != 0);
    result.setUnderline((font.Style() & fsUnderline) != 0);
    result.setStrikeOut((font.Style() & fsStrikeOut) != 0);
    // Fixed glyph positions: what is measured is what is drawn.
    result.setHintingPreference(QFont::PreferFullHinting);
    result.setKerning(false);
    return result;
}

}  // namespace tresilva
