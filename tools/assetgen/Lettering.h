#pragma once
#include <QImage>

namespace tresilva {

// The about window's pictures, golden bevelled letters on its white:
// "Tresilva 99" in italics, 262 x 62, and "Cliquez ici", 176 x 32.
QImage BannerPicture();
QImage ClickHerePicture();

}  // namespace tresilva
