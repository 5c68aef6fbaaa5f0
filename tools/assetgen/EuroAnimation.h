#pragma once
#include <vector>

#include <QImage>

namespace tresilva {

// The European flag waving on a golden pole: six 61 x 43 frames, one wave
// period, so the last frame leads into the first without a jump.
std::vector<QImage> EuroFrames();

}  // namespace tresilva
