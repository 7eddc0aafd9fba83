#include "springboard/SBNotificationCenterController.h"

#include "springboard/Device.h"
#include "springboard/FBRootWindow.h"
#include "springboard/SBAppStatusBarManager.h"
#include "springboard/SBNotificationCenterLayoutViewController.h"
#include "springboard/SBNotificationCenterViewController.h"
#include "springboard/SpringBoard.h"

namespace springboard {

void SBNotificationCenterController::present()
{
    if (m_visible)
        return;
    if (!m_viewController)
        m_viewController = SBNotificationCenterViewController::create();
    auto& sheet = m_viewController->view();
    sheet->setFrame(currentDevice().screenBounds());
    auto& page = m_viewController->layoutViewController();
    m_viewController->beginAppearanceTransition(true, true);
    page->beginAppearanceTransition(true, true);
    if (auto& root = SpringBoard::current().rootWindow())
        root->addSubviewInLayer(sheet, RootWindowLayer::NotificationCenter);
    m_visible = true;
    m_viewController->endAppearanceTransition();
    page->endAppearanceTransition();
    SBAppStatusBarManager::sharedInstance()->updateStatusBar();
}

void SBNotificationCenterController::dismiss()
{
    if (!m_visible)
        return;
    auto& page = m_viewController->layoutViewController();
    m_viewController->beginAppearanceTransition(false, true);
    page->beginAppearanceTransition(false, true);
    m_viewController->view()->removeFromSuperview();
    m_visible = false;
    m_viewController->endAppearanceTransition();
    page->endAppearanceTransition();
    SBAppStatusBarManager::sharedInstance()->updateStatusBar();
}

} // namespace springboard
