#pragma once

#include "objc/Message.h"

namespace contracts {

struct SPUINavigationController {
    static inline const objc::Message<id(std::shared_ptr<NSObject>)> initWithRootViewController {
        "initWithRootViewController:"
    };
};

} // namespace contracts
