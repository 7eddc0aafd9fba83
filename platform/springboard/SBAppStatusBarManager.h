#pragma once

#include "contracts/SBAppStatusBarManager.h"
#include "dispatch/SharedInstance.h"
#include "objc/NSObject.h"

namespace springboard {

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

    void setStatusBarAlpha(double alpha) override { m_statusBarAlpha = alpha; }
    double statusBarAlpha() const { return m_statusBarAlpha; }

private:
    double m_statusBarAlpha { 1 };
};

} // namespace springboard
