#pragma once
// Internal to platform/: how a TFont becomes a Qt font. Includes Qt, so only
// platform .cpp files may include it.
#include <QFont>
#include <string>

#include "platform/gfx/Font.h"

namespace tresilva {

// The installed face that stands in for a layout's face name.
std::string SubstituteFace(const std::string& face);
// A Qt font of the face (substituted), pixel height and style of `font`.
QFont ToQFont(const TFont& font);

}  // namespace tresilva
