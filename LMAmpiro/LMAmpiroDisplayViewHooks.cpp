#include "LMAmpiro/LMAmpiroDisplayViewHooks.h"
#include "overlays/RootWindowCapture.h"

class LMAmpiroDisplayView;

namespace lumora {

void initialiseLMAmpiroDisplayView()
{
    RootWindowCapture<LMAmpiroDisplayView>::install("LMAmpiro/LMAmpiroDisplayView", 793);
}

} // namespace lumora
