#pragma once

#include "objc/Message.h"

namespace contracts {

// SpringBoard's root window, made once per display when SpringBoard builds its windows.
struct FBRootWindow {
    static inline const objc::Message<id(std::shared_ptr<NSObject>)> initWithDisplay { "initWithDisplay:" };
};

} // namespace contracts
