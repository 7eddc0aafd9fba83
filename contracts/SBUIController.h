#pragma once

#include "contracts/ClassMessages.h"

namespace contracts {

class SBUIController {
public:
    // Answers whether SpringBoard handled the press.
    static inline const objc::Message<bool()> clickedMenuButton { "clickedMenuButton" };

    virtual ~SBUIController() = default;
    // The charge, from 0 to 1.
    virtual float batteryCapacity() = 0;
    // A charger is plugged in.
    virtual bool isOnAC() = 0;
};

} // namespace contracts
