#include "LMKalendoMissiva/LMSingleNotificationDisplayViewHooks.h"
#include "overlays/RootWindowCapture.h"

class LMSingleNotificationDisplayView;

namespace lumora {

void initialiseLMSingleNotificationDisplayView()
{
    RootWindowCapture<LMSingleNotificationDisplayView>::install(
        "LMKalendoMissiva/LMSingleNotificationDisplayView", 369);
}

} // namespace lumora
