#include "platform/os/PointerPosition.h"

#include <QCursor>

namespace tresilva {

TPoint PointerPosition() {
    const QPoint p = QCursor::pos();
    return TPoint{p.x(), p.y()};
}

}  // namespace tresilva
