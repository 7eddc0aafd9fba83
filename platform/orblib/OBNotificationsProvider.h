#pragma once

#include "objc/NSObject.h"

namespace orblib {

// Hands out the device's pending notifications (class-side currentNotificationsCatalogue).
class OBNotificationsProvider : public NSObject {
    OBJC_CLASS(OBNotificationsProvider, NSObject)
public:
    // Makes the class, with its class-side operation, findable by name.
    static void registerClass();
};

} // namespace orblib
