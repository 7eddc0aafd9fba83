#include "LMKalendoMissiva/LMSingleEventDisplayViewHooks.h"
#include "overlays/RootWindowCapture.h"

class LMSingleEventDisplayView;

namespace lumora {

void initialiseLMSingleEventDisplayView()
{
    RootWindowCapture<LMSingleEventDisplayView>::install("LMKalendoMissiva/LMSingleEventDisplayView", 135);
}

} // namespace lumora
