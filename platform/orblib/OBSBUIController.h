#pragma once

#include "contracts/SBApplication.h"
#include "objc/Message.h"
#include "objc/NSObject.h"

#include <functional>
#include <memory>
#include <string>

namespace orblib {

// Opens apps and addresses, as class-side operations, by writing them to the DeviceLaunchLog.
// While the lock screen is up (SBLockScreenManager, found by name; without it the device counts
// as unlocked) every form asks the host to unlock first and opens once it has: an app cannot
// come up over the lock screen, whichever page of it the request came from. The prompting
// forms differ only in name on this host. Nothing and an empty address open nothing.
class OBSBUIController : public NSObject {
    OBJC_CLASS(OBSBUIController, NSObject)
public:
    // What the host's lock-screen manager answers to get the device unlocked: it runs the block
    // once unlocked, at once without a passcode, after the passcode prompt with one, and never
    // when the user cancels. A host without it counts as unlocking at once.
    static inline const objc::Message<void(std::function<void()>)> requestUnlock {
        "requestUnlockWithCompletion:"
    };

    static void activateApplication(const std::shared_ptr<contracts::SBApplication>&);
    static void activateApplicationPromptToUnlockIfNecessary(
        const std::shared_ptr<contracts::SBApplication>&);
    static void launchURLPromptToUnlockIfNecessary(const std::string& address);

    // Makes the class, with its class-side operations, findable by name.
    static void registerClass();
};

} // namespace orblib
