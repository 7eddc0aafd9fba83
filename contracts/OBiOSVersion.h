#pragma once

#include "objc/Message.h"

namespace contracts {

// The device model (class-side operations).
struct OBiOSVersion {
    // The model code (8 iPhone 6, 7 iPhone 5S, ...).
    static inline const objc::Message<int()> deviceVersion { "deviceVersion" };
    // The screen size class of the model.
    static inline const objc::Message<int()> deviceSize { "deviceSize" };
};

} // namespace contracts
