#include "LMKalendoMissiva/LMClearAllNotificationsDisplayViewHooks.h"
#include "overlays/RootWindowCapture.h"

class LMClearAllNotificationsDisplayView;

namespace lumora {

void initialiseLMClearAllNotificationsDisplayView()
{
    RootWindowCapture<LMClearAllNotificationsDisplayView>::install(
        "LMKalendoMissiva/LMClearAllNotificationsDisplayView", 91);
}

} // namespace lumora
