#include "hooks/LumoraHooks.h"

#include "base/LMSystemVersion.h"
#include "hooks/LumoraLibrary.h"

namespace lumora {

// The always-installed set, then the 9.x set on 9.x systems.
void initialiseLumora()
{
    HookGroup always { "Lumora", 384 };
    installBacklightHooks(always);
    installLockScreenViewHooks(always);
    installLockScreenViewControllerHooks(always);
    if (!LMSystemVersion::isiOS9())
        return;
    installTodayHooks(HookGroup { "Lumora", 386 });
    installSearchHooks(HookGroup { "Lumora", 387 });
}

} // namespace lumora
