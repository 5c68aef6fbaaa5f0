#pragma once
#include <QImage>

namespace tresilva {

// The tool keys, each on the key white: a hammer 30 x 30, a blue question mark
// 26 x 30 and a green ball 26 x 26.
QImage HammerPicture();
QImage QuestionPicture();
QImage BallPicture();

}  // namespace tresilva
