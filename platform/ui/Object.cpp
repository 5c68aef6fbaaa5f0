#include "platform/ui/Object.h"

#include "platform/ui/Properties.h"

namespace tresilva {

const TClassInfo& TObject::StaticClassInfo() {
    static const TClassInfo info("TObject", nullptr);
    return info;
}

const TClassInfo& TObject::ClassInfo() const { return StaticClassInfo(); }

const std::string& TObject::ClassName() const { return ClassInfo().Name(); }

bool TObject::InheritsFrom(const TClassInfo& info) const { return ClassInfo().InheritsFrom(info); }

}  // namespace tresilva
