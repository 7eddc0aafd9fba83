#pragma once

#include "contracts/ClassMessages.h"
#include "contracts/SBApplication.h"

#include <string>

namespace contracts {

// Opening apps and addresses (class-side operations); the prompting forms ask for the
// passcode first when the device is locked with one.
struct OBSBUIController {
    static inline const objc::Message<void(std::shared_ptr<SBApplication>)> activateApplication {
        "activateApplication:"
    };
    static inline const objc::Message<void(std::shared_ptr<SBApplication>)>
        activateApplicationPromptToUnlockIfNecessary { "activateApplicationPromptToUnlockIfNecessary:" };
    static inline const objc::Message<void(std::string)> launchURLPromptToUnlockIfNecessary {
        "launchURLPromptToUnlockIfNecessary:"
    };
};

} // namespace contracts
