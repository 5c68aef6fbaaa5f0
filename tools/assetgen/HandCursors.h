#pragma once
#include <string>
#include <vector>

#include "tools/assetgen/CurWriter.h"

namespace tresilva {

struct HandCursor {
    std::string name;  // "tophand", "righthand", "lefthand"
    MonoCursor cursor;
};

// A white hand with a black outline, the index finger pointing up (hot spot
// 11, 3), right (29, 11) and left (1, 11); the hot spot is the fingertip.
std::vector<HandCursor> HandCursors();

}  // namespace tresilva
