#pragma once
// A group box: a windowed host of windowless children (labels and flags
// stand in it) framed by an etched line with its caption in the top edge.
// Children are placed from the box's top-left corner.
#include "platform/ui/StdControl.h"

namespace tresilva {

class TGroupBox : public TStdControl {
public:
    explicit TGroupBox(TComponent* owner);

    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

protected:
    void Paint() override;
};

}  // namespace tresilva
