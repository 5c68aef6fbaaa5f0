#pragma once
// The published properties that both raised labels (the blinking one here and
// the auto-sizing one of labelsp) store, in their stored order. The classes
// stay separate; they only share this list.
#include "platform/ui/Properties.h"

namespace tresilva {

// The blink and raised settings, first of a raised label's properties.
template <class C>
void PublishRaisedSettings(TClassInfo& c) {
    c.Publish(BooleanProperty("Blink", &C::Blink, &C::SetBlink));
    c.Publish(IntegerProperty("BlinkSpeed", &C::BlinkSpeed, &C::SetBlinkSpeed));
    c.Publish(ColorProperty("BlinkColor", &C::BlinkColor, &C::SetBlinkColor));
    c.Publish(ColorProperty("BlinkTopColor", &C::BlinkTopColor, &C::SetBlinkTopColor));
    c.Publish(ColorProperty("BlinkBottomColor", &C::BlinkBottomColor, &C::SetBlinkBottomColor));
    c.Publish(BooleanProperty("BlinkTransparent", &C::BlinkTransparent, &C::SetBlinkTransparent));
    c.Publish(BooleanProperty("RaisedTop", &C::RaisedTop, &C::SetRaisedTop));
    c.Publish(BooleanProperty("RaisedBottom", &C::RaisedBottom, &C::SetRaisedBottom));
    c.Publish(ColorProperty("RaisedTopColor", &C::RaisedTopColor, &C::SetRaisedTopColor));
    c.Publish(ColorProperty("RaisedBottomColor", &C::RaisedBottomColor, &C::SetRaisedBottomColor));
    c.Publish(IntegerProperty("RaisedTopDistance", &C::RaisedTopDistance, &C::SetRaisedTopDistance));
    c.Publish(IntegerProperty("RaisedBottomDistance", &C::RaisedBottomDistance, &C::SetRaisedBottomDistance));
}

// The label base's properties that a raised label publishes after its own.
inline void PublishInheritedLabelProperties(TClassInfo& c) {
    for (const char* name : {"Align", "Alignment", "Caption", "Color", "DragCursor", "DragMode", "Enabled",
                             "FocusControl", "Font", "ParentColor", "ParentFont", "ParentShowHint", "PopupMenu",
                             "ShowAccelChar", "ShowHint", "Transparent", "Visible", "WordWrap", "OnClick",
                             "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnMouseDown", "OnMouseMove",
                             "OnMouseUp"}) {
        c.Inherit(name);
    }
}

}  // namespace tresilva
