#pragma once

#include "objc/Message.h"
#include "uikit/UIView.h"

namespace contracts {

// The lock screen's own clock; fields _legibilityTimeLabel and _legibilityDateLabel
// (std::shared_ptr<UIView>).
struct SBFLockScreenDateView {
    static inline const objc::Message<void()> _layoutTimeLabel { "_layoutTimeLabel" };
};

} // namespace contracts
