#pragma once

#include "contracts/SBUIController.h"
#include "dispatch/SharedInstance.h"
#include "objc/NSObject.h"

namespace springboard {

class SBUIController : public NSObject, public contracts::SBUIController {
    OBJC_CLASS(SBUIController, NSObject)
public:
    static std::shared_ptr<SBUIController> create() { return std::make_shared<SBUIController>(); }
    static std::shared_ptr<SBUIController> sharedInstance()
    {
        return dispatch::sharedInstance<SBUIController>();
    }
    static void registerMethods(Class);

    float batteryCapacity() override { return m_batteryCapacity; }
    bool isOnAC() override { return m_onAC; }
    void setBattery(float capacity, bool onAC)
    {
        m_batteryCapacity = capacity;
        m_onAC = onAC;
    }
    // The home button came up: answers whether SpringBoard handled the press.
    bool clickedMenuButton() { return contracts::SBUIController::clickedMenuButton(this); }

private:
    bool ownClickedMenuButton() { return true; }

    float m_batteryCapacity { 1 };
    bool m_onAC { false };
};

} // namespace springboard
