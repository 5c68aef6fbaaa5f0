#pragma once
#include <QImage>

namespace tresilva {

// The program's icon at `size` pixels square: a yellow euro sign on a dark blue
// field, drawn afresh for each size.
QImage IconPicture(int size);

}  // namespace tresilva
