#pragma once

#include "objc/Message.h"

namespace contracts {

struct SBLockScreenFullscreenBulletinViewController {
    static inline const objc::Message<void(bool)> viewDidAppear { "viewDidAppear:" };
    static inline const objc::Message<void()> performDismissAction { "performDismissAction" };
};

} // namespace contracts
