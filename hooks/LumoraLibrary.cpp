#include "hooks/LumoraLibrary.h"

#include "LMAmpiro/LMAmpiroDisplayViewHooks.h"
#include "LMKalendoMissiva/LMClearAllNotificationsDisplayViewHooks.h"
#include "LMKalendoMissiva/LMSingleEventDisplayViewHooks.h"
#include "LMKalendoMissiva/LMSingleNotificationDisplayViewHooks.h"
#include "LMMelodra/LMMusicDisplayViewHooks.h"
#include "_LMContainerView/LMViewHooks.h"

namespace lumora {

const std::array<Initialiser, 7>& initialisers()
{
    static const std::array<Initialiser, 7> list = {
        &initialiseLumora,
        &initialiseLMView,
        &initialiseLMAmpiroDisplayView,
        &initialiseLMClearAllNotificationsDisplayView,
        &initialiseLMSingleEventDisplayView,
        &initialiseLMSingleNotificationDisplayView,
        &initialiseLMMusicDisplayView,
    };
    return list;
}

} // namespace lumora
