#pragma once

#include "objc/Message.h"

namespace contracts {

struct SBNotificationCenterLayoutViewController {
    static inline const objc::Message<void()> _loadContentViewControllers { "_loadContentViewControllers" };
    static inline const objc::Message<void(bool)> viewWillAppear { "viewWillAppear:" };
};

} // namespace contracts
