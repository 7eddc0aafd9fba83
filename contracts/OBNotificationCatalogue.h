#pragma once

#include "contracts/OBNotificationSection.h"

namespace contracts {

// The pending notifications, grouped by app, in the system's order.
class OBNotificationCatalogue {
public:
    virtual ~OBNotificationCatalogue() = default;
    virtual std::vector<std::shared_ptr<OBNotificationSection>> sections() = 0;
};

} // namespace contracts
