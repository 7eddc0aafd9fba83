#pragma once

#include "objc/NSObject.h"
#include "uikit/UIAlertViewDelegate.h"

#include <functional>
#include <memory>

namespace springboard {

// Getting past the lock screen to open something. Unlocked, the request goes through at once;
// locked without a passcode, the device unlocks at once; with a passcode the prompt "Enter
// Passcode" comes up, and "Unlock" unlocks and lets the request through while "Cancel" drops
// it. The lock-screen manager answers the support library's request through it.
//
// not implemented: a keypad and a wrong passcode (the user either unlocks or cancels)
class PasscodePrompt : public NSObject, public UIAlertViewDelegate {
    OBJC_CLASS(PasscodePrompt, NSObject)
public:
    static constexpr const char* title = "Enter Passcode";

    static void requestUnlock(std::function<void()> then);
    // The lock-screen manager's requestUnlockWithCompletion:.
    static void registerMethods(Class);

    explicit PasscodePrompt(std::function<void()> then)
        : m_then(std::move(then))
    { }
    void clickedButtonAtIndex(UIAlertView*, NSInteger) override;

private:
    std::function<void()> m_then;
};

} // namespace springboard
