#pragma once

#include "objc/Message.h"

namespace contracts {

struct SPUISearchViewController {
    static inline const objc::Message<id()> init { "init" };
    // The screen edge the page is presented from (1 or 8).
    static inline const objc::Message<long()> presentsFromEdge { "presentsFromEdge" };
};

} // namespace contracts
