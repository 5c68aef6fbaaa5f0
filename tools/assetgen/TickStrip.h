#pragma once
#include <QImage>

namespace tresilva {

// The OK button's glyph: a 36 x 18 strip, a green tick and beside it the same
// tick disabled (grey, embossed), on the button face.
QImage TickStrip();

}  // namespace tresilva
