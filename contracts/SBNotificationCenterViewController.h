#pragma once

#include "objc/Message.h"

namespace contracts {

struct SBNotificationCenterViewController {
    static inline const objc::Message<void()> _loadStatusBar { "_loadStatusBar" };
};

} // namespace contracts
