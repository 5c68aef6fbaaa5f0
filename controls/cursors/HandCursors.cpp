#include "controls/cursors/HandCursors.h"

#include <span>
#include <string_view>

#include "controls/cursors/CursorFile.h"
#include "platform/data/Resources.h"

namespace tresilva {

namespace {

// The cursor stored under a resource name, or an empty handle.
TCursorHandle LoadCursorResource(std::string_view name) {
    const auto bytes = FindResource(name);
    if (!bytes) return nullptr;
    return DecodeCursorFile(std::span<const std::uint8_t>(*bytes));
}

}  // namespace

void RegisterCursorResource(TCursor number, std::string_view resourceName) {
    Screen().SetCursor(number, LoadCursorResource(resourceName));
}

void RegisterHandCursors() {
    RegisterCursorResource(crRightHand, "RightHand");
    RegisterCursorResource(crLeftHand, "LeftHand");
    RegisterCursorResource(crTopHand, "TopHand");
}

}  // namespace tresilva
