#pragma once
// The shading enumerations as published types, so layouts can store and read
// their values by name.
#include "controls/freelib/Shading.h"
#include "platform/ui/Properties.h"

namespace tresilva {

const TEnumType& QualityType();     // TQuality: quHi, quLow
const TEnumType& ShadowPosType();   // TShadowPos: shTopLeft, shTopRight, shBottomLeft, shBottomRight
const TEnumType& BackgroundType();  // TBackground: bgMosaic, bgPicture

}  // namespace tresilva
