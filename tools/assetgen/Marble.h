#pragma once
#include <QImage>

namespace tresilva {

// 128 x 128 light grey marble with soft veins. Every term repeats over the tile
// (periodic noise, veins along whole-period directions), so it tiles seamlessly.
QImage MarbleTile();

}  // namespace tresilva
