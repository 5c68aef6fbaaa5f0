#pragma once
// Qt cursors for cursor numbers (platform-internal: includes Qt). Made lazily
// from the screen's cursor table; a number without an entry shows its
// standard shape, an unknown one the arrow.
#include <QCursor>

#include "platform/ui/Cursors.h"

namespace tresilva {

QCursor QtCursorFor(TCursor number);

}  // namespace tresilva
