#include "LMMelodra/LMMusicDisplayViewHooks.h"
#include "overlays/RootWindowCapture.h"

class LMMusicDisplayView;

namespace lumora {

void initialiseLMMusicDisplayView()
{
    RootWindowCapture<LMMusicDisplayView>::install("LMMelodra/LMMusicDisplayView", 306);
}

} // namespace lumora
