#pragma once

#include "contracts/SBAppStatusBarManager.h"
#include "dispatch/SharedInstance.h"
#include "objc/NSObject.h"

namespace springboard {

class SBStatusBarView;

// SpringBoard's status bar. It is drawn again whenever what it shows may have changed, and at
// every minute: with this manager's alpha and, while the lock screen is up, the lock-screen
// controller's answers (statusBarStyle, showsSpringBoardStatusBar,
// _effectiveVisibleStatusBarAlpha, asked through the runtime). The Notification Center covers
// it with its own.
class SBAppStatusBarManager : public NSObject, public contracts::SBAppStatusBarManager {
    OBJC_CLASS(SBAppStatusBarManager, NSObject)
public:
    static std::shared_ptr<SBAppStatusBarManager> create()
    {
        return std::make_shared<SBAppStatusBarManager>();
    }
    static std::shared_ptr<SBAppStatusBarManager> sharedInstance()
    {
        return dispatch::sharedInstance<SBAppStatusBarManager>();
    }
    static void registerMethods(Class);

    void setStatusBarAlpha(double alpha) override;
    double statusBarAlpha() const { return m_statusBarAlpha; }

    // Made on first use, the width of the screen.
    const std::shared_ptr<SBStatusBarView>& statusBarView();
    void updateStatusBar();

private:
    double m_statusBarAlpha { 1 };
    std::shared_ptr<SBStatusBarView> m_statusBarView;
};

} // namespace springboard
