#pragma once

#include "contracts/SBApplication.h"
#include "objc/NSObject.h"

#include <memory>
#include <string>

namespace orblib {

// Opens apps and addresses, as class-side operations, by writing them to the DeviceLaunchLog.
// The prompting forms ask to unlock first when the lock screen is up (SBLockScreenManager,
// found by name; without it the device counts as unlocked). Nothing and an empty address open
// nothing.
class OBSBUIController : public NSObject {
    OBJC_CLASS(OBSBUIController, NSObject)
public:
    static void activateApplication(const std::shared_ptr<contracts::SBApplication>&);
    static void activateApplicationPromptToUnlockIfNecessary(
        const std::shared_ptr<contracts::SBApplication>&);
    static void launchURLPromptToUnlockIfNecessary(const std::string& address);

    // Makes the class, with its class-side operations, findable by name.
    static void registerClass();
};

} // namespace orblib
