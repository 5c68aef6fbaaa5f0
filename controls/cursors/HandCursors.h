#pragma once
// The three hand pointers of the controls, registered in the screen's cursor
// table once at program start, before the application object and any window
// exist. Controls show a hand by having its number as their Cursor.
#include <string_view>

#include "platform/ui/Cursors.h"

namespace tresilva {

constexpr TCursor crTopHand = -1018;    // index finger up, hot spot (11, 3); the one the windows use
constexpr TCursor crRightHand = -1019;  // pointing right, hot spot (29, 11)
constexpr TCursor crLeftHand = -1020;   // pointing left, hot spot (1, 11)

// Loads the program's cursor resources "RightHand", "LeftHand" and "TopHand"
// (names without regard to case), in that order, into the table; a resource
// that is missing or cannot be read leaves its number without an entry.
void RegisterHandCursors();

// Stores the cursor resource of that name under a number; a resource that is
// missing or cannot be read removes what the number held.
void RegisterCursorResource(TCursor number, std::string_view resourceName);

}  // namespace tresilva
