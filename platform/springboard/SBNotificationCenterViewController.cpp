#include "springboard/SBNotificationCenterViewController.h"

#include "contracts/SBNotificationCenterViewController.h"
#include "springboard/Device.h"
#include "springboard/HostSupport.h"
#include "springboard/SBNotificationCenterLayoutViewController.h"
#include "springboard/SBStatusBarView.h"
#include "uikit/UIColor.h"

namespace springboard {

std::shared_ptr<SBNotificationCenterViewController> SBNotificationCenterViewController::create()
{
    auto controller = std::make_shared<SBNotificationCenterViewController>();
    controller->m_layoutViewController = SBNotificationCenterLayoutViewController::create();
    controller->addChildViewController(controller->m_layoutViewController);
    return controller;
}

void SBNotificationCenterViewController::registerMethods(Class cls)
{
    cls->addMethod(contracts::SBNotificationCenterViewController::_loadStatusBar,
        objc::implementation<&SBNotificationCenterViewController::ownLoadStatusBar>);
}

void SBNotificationCenterViewController::loadView()
{
    CGRect screen = currentDevice().screenBounds();
    auto container = makeView("SBNotificationCenterView", UIColor::colorWithWhite(0.05, 0.92));
    container->setFrame(screen);
    setView(container);
    contracts::SBNotificationCenterViewController::_loadStatusBar(this);
    auto& page = m_layoutViewController->view();
    page->setFrame(container->bounds());
    page->setAutoresizingMask(UIViewAutoresizingFlexibleWidth | UIViewAutoresizingFlexibleHeight);
    container->insertSubviewAtIndex(page, 0);
}

void SBNotificationCenterViewController::ownLoadStatusBar()
{
    if (m_statusBar)
        return;
    m_statusBar = SBStatusBarView::create(view()->bounds().size.width);
    m_statusBar->setAccessibilityIdentifier("_statusBar");
    m_statusBar->setAutoresizingMask(UIViewAutoresizingFlexibleWidth);
    view()->addSubview(m_statusBar);
}

} // namespace springboard
