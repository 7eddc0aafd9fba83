#pragma once

#include "contracts/ClassMessages.h"

namespace contracts {

// SpringBoard's additions to its application object (UIApplication's sharedApplication).
class SpringBoardApplication {
public:
    virtual ~SpringBoardApplication() = default;
    // 1 when upright portrait.
    virtual long _getSpringBoardOrientation() = 0;
};

} // namespace contracts
