#include "controls/freelib/Registration.h"

#include "controls/freelib/BmpMosaic.h"
#include "controls/freelib/BmpTransparent.h"
#include "controls/freelib/IntensityFilter.h"
#include "controls/freelib/Pad3D.h"
#include "platform/ui/Properties.h"

namespace tresilva {

void RegisterFreelibControls() {
    RegisterClass(TBmpMosaic::StaticClassInfo());
    RegisterClass(TPad3D::StaticClassInfo());
    RegisterClass(TIntensityFilter::StaticClassInfo());
    RegisterClass(TBmpTransparent::StaticClassInfo());
}

}  // namespace tresilva
