#pragma once
#include <QImage>

#include "tools/assetgen/AssetSet.h"

namespace tresilva {

// One picture showing every asset enlarged, each animation's frames in a row.
QImage ContactSheet(const AssetSet& set);

}  // namespace tresilva
