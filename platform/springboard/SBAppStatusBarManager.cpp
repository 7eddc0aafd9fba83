#include "springboard/SBAppStatusBarManager.h"

#include "contracts/SBLockScreenViewController.h"
#include "springboard/Device.h"
#include "springboard/HostSupport.h"
#include "springboard/RuntimeRegistration.h"
#include "springboard/SBLockScreenManager.h"
#include "springboard/SBLockScreenViewController.h"
#include "springboard/SBNotificationCenterController.h"
#include "springboard/SBStatusBarView.h"

namespace springboard {

void SBAppStatusBarManager::registerMethods(Class cls)
{
    registerSharedInstance<SBAppStatusBarManager>(cls);
}

void SBAppStatusBarManager::setStatusBarAlpha(double alpha)
{
    m_statusBarAlpha = alpha;
    updateStatusBar();
}

const std::shared_ptr<SBStatusBarView>& SBAppStatusBarManager::statusBarView()
{
    if (!m_statusBarView) {
        m_statusBarView = SBStatusBarView::create(currentDevice().screenBounds().size.width);
        std::weak_ptr<SBAppStatusBarManager> weakSelf = objc::retain(this);
        repeatEveryMinute(weakSelf, [weakSelf] { weakSelf.lock()->updateStatusBar(); });
    }
    return m_statusBarView;
}

void SBAppStatusBarManager::updateStatusBar()
{
    using Messages = contracts::SBLockScreenViewController;
    auto& view = statusBarView();
    double alpha = m_statusBarAlpha;
    long style = 1;
    if (auto controller = SBLockScreenManager::sharedInstance()->lockScreenViewController()) {
        style = Messages::statusBarStyle(controller.get());
        if (Messages::showsSpringBoardStatusBar(controller.get()))
            alpha *= Messages::_effectiveVisibleStatusBarAlpha(controller.get());
        else
            alpha = 0;
    }
    if (SBNotificationCenterController::sharedInstance()->isVisible())
        alpha = 0;
    view->setAlpha(alpha);
    view->setStyle(style);
    view->update();
}

} // namespace springboard
