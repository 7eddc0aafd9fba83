#pragma once

#include "contracts/OBAppItem.h"

#include <vector>

namespace contracts {

struct OBAppItemsProvider {
    // The app switcher's apps, in its order.
    static inline const objc::Message<std::vector<std::shared_ptr<NSObject>>(bool)>
        appItemsFromSwitcherWithSnapshots { "appItemsFromSwitcherWithSnapshots:" };
};

} // namespace contracts
