#include "platform/gfx/QtFont.h"

#include <QString>

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
    result.setPixelSize(font.Height() > 0 ? font.Height() : 1);
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
