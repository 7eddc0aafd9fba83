#include "hooks/LumoraLibrary.h"

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
