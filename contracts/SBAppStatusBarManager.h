#pragma once

#include "contracts/ClassMessages.h"

namespace contracts {

class SBAppStatusBarManager {
public:
    virtual ~SBAppStatusBarManager() = default;
    virtual void setStatusBarAlpha(double alpha) = 0;
};

} // namespace contracts
