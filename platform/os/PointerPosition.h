#pragma once
// Where the mouse pointer is, in screen coordinates.
#include "platform/gfx/Geometry.h"

namespace tresilva {

TPoint PointerPosition();

}  // namespace tresilva
