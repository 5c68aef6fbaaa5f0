#include "platform/ui/UiClasses.h"

#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Properties.h"
#include "platform/ui/Timer.h"

namespace tresilva {

void RegisterUiClasses() {
    RegisterClass(TLabel::StaticClassInfo());
    RegisterClass(TImage::StaticClassInfo());
    RegisterClass(TTimer::StaticClassInfo());
}

}  // namespace tresilva
