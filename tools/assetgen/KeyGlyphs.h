#pragma once
#include <vector>

#include <QImage>
#include <QString>

namespace tresilva {

struct KeyGlyph {
    QString name;  // "7" ... "0", "point"
    QImage image;  // 42 high, golden on the key white
};

// The keypad glyphs in keypad order 7 8 9 4 5 6 1 2 3 0, then the full stop.
std::vector<KeyGlyph> KeypadGlyphs();
// The erase key: a golden left-pointing arrowhead, 33 x 35.
QImage EraseGlyph();

}  // namespace tresilva
