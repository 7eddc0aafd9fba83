#pragma once

#include "contracts/SBUIController.h"
#include "dispatch/SharedInstance.h"
#include "objc/NSObject.h"

namespace springboard {

class SBIconListView;

// SpringBoard's user interface: the battery as the interface reports it, the home screen
// (shown while the device is unlocked) and the home button's click. The click
// (clickedMenuButton, sent through the runtime after the press went down) closes the search
// page or the Today page when one is open and then answers YES; on the home screen it answers
// YES as well; on the lock screen it answers NO, the lock-screen manager having handled the press.
class SBUIController : public NSObject, public contracts::SBUIController {
    OBJC_CLASS(SBUIController, NSObject)
public:
    static std::shared_ptr<SBUIController> create() { return std::make_shared<SBUIController>(); }
    static std::shared_ptr<SBUIController> sharedInstance()
    {
        return dispatch::sharedInstance<SBUIController>();
    }
    static void registerMethods(Class);

    float batteryCapacity() override;
    bool isOnAC() override;
    bool clickedMenuButton() { return contracts::SBUIController::clickedMenuButton(this); }

    // The Today page or the search page is open.
    bool isShowingPage() const;
    // Made on first use.
    const std::shared_ptr<SBIconListView>& homeScreenView();
    // Shows the home screen while unlocked, sized to the screen.
    void updateForLockState();

private:
    bool ownClickedMenuButton();

    std::shared_ptr<SBIconListView> m_homeScreenView;
};

} // namespace springboard
