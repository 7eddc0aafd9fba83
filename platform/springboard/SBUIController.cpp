#include "springboard/SBUIController.h"

#include "iokit/Battery.h"
#include "springboard/Device.h"
#include "springboard/FBRootWindow.h"
#include "springboard/RuntimeRegistration.h"
#include "springboard/SBIconListView.h"
#include "springboard/SBNotificationCenterController.h"
#include "springboard/SBSearchGesture.h"
#include "springboard/SpringBoard.h"

namespace springboard {

void SBUIController::registerMethods(Class cls)
{
    registerSharedInstance<SBUIController>(cls);
    cls->addMethod(contracts::SBUIController::clickedMenuButton,
        objc::implementation<&SBUIController::ownClickedMenuButton>);
}

// The gauge's level: as set, then moving in whole percents as the battery drains or charges.
float SBUIController::batteryCapacity()
{
    return static_cast<float>(iokit::Battery::level());
}

bool SBUIController::isOnAC()
{
    return iokit::Battery::state().charging;
}

bool SBUIController::isShowingPage() const
{
    return SBNotificationCenterController::sharedInstance()->isVisible()
        || SBSearchGesture::sharedInstance()->isPresented();
}

const std::shared_ptr<SBIconListView>& SBUIController::homeScreenView()
{
    if (!m_homeScreenView)
        m_homeScreenView = SBIconListView::create();
    return m_homeScreenView;
}

void SBUIController::updateForLockState()
{
    auto& device = currentDevice();
    auto& home = homeScreenView();
    home->setFrame(device.screenBounds());
    home->setHidden(device.locked);
    if (auto& root = SpringBoard::current().rootWindow(); root && !home->superview())
        root->addSubviewInLayer(home, RootWindowLayer::HomeScreen);
}

bool SBUIController::ownClickedMenuButton()
{
    auto search = SBSearchGesture::sharedInstance();
    if (search->isPresented()) {
        search->dismiss();
        return true;
    }
    auto notificationCenter = SBNotificationCenterController::sharedInstance();
    if (notificationCenter->isVisible()) {
        notificationCenter->dismiss();
        return true;
    }
    return !currentDevice().locked;
}

} // namespace springboard
