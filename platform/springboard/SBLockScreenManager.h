#pragma once

#include "contracts/SBLockScreenManager.h"
#include "dispatch/SharedInstance.h"
#include "objc/NSObject.h"

namespace springboard {

class SBLockScreenViewController;

// The lock state and the lock screen. Locking builds a new lock screen (a new controller, whose
// view is made through initWithFrame:); unlocking takes it down and shows the home screen.
//
// The home button going down (noteMenuButtonDown) lights a dark display and goes no further;
// on the lit lock screen it closes the camera if it is open, else, unless the Today or the
// search page is open (the UI controller closes those on the click), it unlocks a device
// without a passcode. With a passcode it only restarts the idle countdown.
class SBLockScreenManager : public NSObject, public contracts::SBLockScreenManager {
    OBJC_CLASS(SBLockScreenManager, NSObject)
public:
    static std::shared_ptr<SBLockScreenManager> create() { return std::make_shared<SBLockScreenManager>(); }
    static std::shared_ptr<SBLockScreenManager> sharedInstance()
    {
        return dispatch::sharedInstance<SBLockScreenManager>();
    }
    static void registerMethods(Class);

    bool isUILocked() override;
    // Sent through the runtime.
    void noteMenuButtonDown() { contracts::SBLockScreenManager::noteMenuButtonDown(this); }
    // Puts the lock screen up, unless it is up.
    void lockUI();
    void unlockUI();
    // The lock screen's controller while the lock screen is up.
    const std::shared_ptr<SBLockScreenViewController>& lockScreenViewController() const
    {
        return m_lockScreenViewController;
    }

private:
    void ownNoteMenuButtonDown();
    // The wallpaper, the home screen and the status bar follow the lock state.
    void lockStateChanged();

    std::shared_ptr<SBLockScreenViewController> m_lockScreenViewController;
};

} // namespace springboard
