#pragma once
// Event types of the controls. Handlers are plain std::function values; a
// layout binds them by handler name through its root's methods.
#include <cstdint>
#include <functional>

namespace tresilva {

class TObject;

using TNotifyEvent = std::function<void(TObject* sender)>;

enum TMouseButton : std::uint8_t { mbLeft, mbRight, mbMiddle };

// A set of TShiftStateFlag bits.
enum TShiftStateFlag : std::uint8_t {
    ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64,
};
using TShiftState = std::uint8_t;

// X and Y are in the receiving control's own coordinates.
using TMouseEvent = std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;

// Drag and drop is published by the controls but never started by this system.
enum TDragMode : std::uint8_t { dmManual, dmAutomatic };
enum TDragState : std::uint8_t { dsDragEnter, dsDragLeave, dsDragMove };
using TDragDropEvent = std::function<void(TObject* sender, TObject* source, int x, int y)>;
using TDragOverEvent = std::function<void(TObject* sender, TObject* source, int x, int y, TDragState state, bool& accept)>;
using TEndDragEvent = std::function<void(TObject* sender, TObject* target, int x, int y)>;

}  // namespace tresilva
