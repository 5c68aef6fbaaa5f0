#pragma once
#include <vector>

#include <QImage>

namespace tresilva {

// A floppy disk with a red arrow circling it, passing behind and in front:
// 36 frames of 50 x 40 on white, ten degrees apart, so it loops seamlessly.
std::vector<QImage> FloppyFrames();

}  // namespace tresilva
