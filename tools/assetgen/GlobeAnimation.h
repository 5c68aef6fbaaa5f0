#pragma once
#include <vector>

#include <QImage>

namespace tresilva {

// A turning globe on a small golden stand: 12 frames of 39 x 42 on white,
// thirty degrees of turn apart, so the last leads into the first.
std::vector<QImage> GlobeFrames();

}  // namespace tresilva
