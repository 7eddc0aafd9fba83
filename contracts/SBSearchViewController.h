#pragma once

#include "objc/Message.h"

namespace contracts {

struct SBSearchViewController {
    static inline const objc::Message<id()> init { "init" };
    static inline const objc::Message<void(bool)> didFinishPresenting { "didFinishPresenting:" };
    static inline const objc::Message<void(double)> updatePresentationProgress {
        "updatePresentationProgress:"
    };
};

} // namespace contracts
