#pragma once

#include "objc/NSObject.h"
#include "orblib/OBAppItem.h"

#include <memory>
#include <vector>

namespace orblib {

// The app switcher's apps (DeviceApps), as class-side operations.
class OBAppItemsProvider : public NSObject {
    OBJC_CLASS(OBAppItemsProvider, NSObject)
public:
    // In the switcher's order, each app once; apps no longer installed are left out.
    static std::vector<std::shared_ptr<OBAppItem>> appItemsFromSwitcherWithSnapshots(bool loadSnapshots);

    // Makes the class, with its class-side operation, findable by name.
    static void registerClass();
};

} // namespace orblib
