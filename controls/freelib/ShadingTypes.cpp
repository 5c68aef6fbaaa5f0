#include "controls/freelib/ShadingTypes.h"

namespace tresilva {

namespace {
template <std::size_t N>
TEnumType Describe(const char* name, const std::array<const char*, N>& values) {
    return TEnumType{name, std::vector<std::string>(values.begin(), values.end())};
}
}  // namespace

const TEnumType& QualityType() {
    static const TEnumType type = Describe("TQuality", kQualityNames);
    return type;
}

const TEnumType& ShadowPosType() {
    static const TEnumType type = Describe("TShadowPos", kShadowPosNames);
    return type;
}

const TEnumType& BackgroundType() {
    static const TEnumType type = Describe("TBackground", kBackgroundNames);
    return type;
}

}  // namespace tresilva
