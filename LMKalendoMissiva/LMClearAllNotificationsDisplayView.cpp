#include "LMKalendoMissiva/LMClearAllNotificationsDisplayView.h"

#include "LMKalendoMissiva/LMNotificationTable.h"
#include "base/LMResourceImage.h"
#include "contracts/OBImageFactory.h"
#include "contracts/OBNotificationSection.h"
#include "dispatch/SharedInstance.h"
#include "objc/ClassRef.h"
#include "overlays/RootWindowCapture.h"
#include "settings/LMSettings.h"
#include "uikit/UIButton.h"
#include "uikit/UIScreen.h"

std::shared_ptr<LMClearAllNotificationsDisplayView> LMClearAllNotificationsDisplayView::sharedInstance()
{
    return dispatch::sharedInstance<LMClearAllNotificationsDisplayView>();
}

std::shared_ptr<LMClearAllNotificationsDisplayView> LMClearAllNotificationsDisplayView::create()
{
    auto overlay = make<LMClearAllNotificationsDisplayView>(
        lumora::RootWindowCapture<LMClearAllNotificationsDisplayView>::window());
    if (overlay)
        overlay->buildContent();
    return overlay;
}

void LMClearAllNotificationsDisplayView::buildContent()
{
    static objc::ClassRef imageFactoryClass { "OBImageFactory" };
    CGFloat side = UIScreen::mainScreen()->bounds().size.width / 2;
    m_clearAllNotificationsButton = UIButton::buttonWithType(UIButtonTypeCustom);
    m_clearAllNotificationsButton->setAccessibilityIdentifier("clearAllNotificationsButton");
    m_clearAllNotificationsButton->setFrame(CGRectMake(0, 0, side, side));
    m_clearAllNotificationsButton->setBackgroundImage(
        contracts::OBImageFactory::image(
            imageFactoryClass, LMResourceImage("ClearAll"), CGSizeMake(side, side)),
        UIControlStateNormal);
    m_clearAllNotificationsButton->addTarget(objc::retain(this),
        &LMClearAllNotificationsDisplayView::clearAllNotificationsButtonReleased,
        UIControlEventTouchUpInside);
    displayContainerView()->addSubview(m_clearAllNotificationsButton);
}

void LMClearAllNotificationsDisplayView::updateFrame()
{
    updateFrameForActiveOrientation();
    m_clearAllNotificationsButton->setCenter(CGPointMake(width() / 2, height() / 2));
}

void LMClearAllNotificationsDisplayView::clearAllNotificationsButtonReleased(UIButton*)
{
    if (!isActive())
        return;
    hide();
    auto table = LMNotificationTable::panelTable();
    if (!table)
        return;
    // Removing changes no table data until the reload below, so the walk is over a steady map.
    for (const auto& [key, section] : table->notificationSectionsData()) {
        if (section)
            section->removeActualNotificationSection();
    }
    table->forceReloadTableViewData();
}

bool LMClearAllNotificationsDisplayView::resetsLockScreenDim() const
{
    return settings()->missivaResetLockScreenDim();
}
