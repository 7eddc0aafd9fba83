#pragma once

#include "contracts/SBLockScreenManager.h"
#include "dispatch/SharedInstance.h"
#include "objc/NSObject.h"

namespace springboard {

class SBLockScreenManager : public NSObject, public contracts::SBLockScreenManager {
    OBJC_CLASS(SBLockScreenManager, NSObject)
public:
    static std::shared_ptr<SBLockScreenManager> create() { return std::make_shared<SBLockScreenManager>(); }
    static std::shared_ptr<SBLockScreenManager> sharedInstance()
    {
        return dispatch::sharedInstance<SBLockScreenManager>();
    }
    static void registerMethods(Class);

    bool isUILocked() override { return m_uiLocked; }
    void setUILocked(bool locked) { m_uiLocked = locked; }
    // The home button went down.
    void noteMenuButtonDown() { contracts::SBLockScreenManager::noteMenuButtonDown(this); }

private:
    void ownNoteMenuButtonDown() { }

    bool m_uiLocked { true };
};

} // namespace springboard
