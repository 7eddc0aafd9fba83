#pragma once

#include "contracts/ClassMessages.h"
#include "contracts/OBNotificationCatalogue.h"

namespace contracts {

// The pending notifications, grouped by app, in the system's order (class-side operation).
struct OBNotificationsProvider {
    static inline const objc::Message<std::shared_ptr<NSObject>()> currentNotificationsCatalogue {
        "currentNotificationsCatalogue"
    };
};

} // namespace contracts
