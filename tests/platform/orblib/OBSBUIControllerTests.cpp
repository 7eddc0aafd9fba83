#include "contracts/OBAppItem.h"
#include "contracts/OBSBUIController.h"
#include "contracts/SBLockScreenManager.h"
#include "objc/ClassRef.h"
#include "orblib/DeviceApps.h"
#include "orblib/DeviceLaunchLog.h"
#include "orblib/OBAppItem.h"
#include "orblib/OrbLib.h"

#include <gtest/gtest.h>

namespace {

// The host's lock screen, as far as opening apps cares.
class SBLockScreenManager : public NSObject, public contracts::SBLockScreenManager {
    OBJC_CLASS(SBLockScreenManager, NSObject)
public:
    static inline bool s_locked { true };
    bool isUILocked() override { return s_locked; }

    static void registerClass()
    {
        objc::Runtime::registerClass(staticClass());
        staticClass()->addClassMethod(
            contracts::sharedInstance, +[](Class, SEL) -> std::shared_ptr<NSObject> {
                static auto shared = std::make_shared<SBLockScreenManager>();
                return shared;
            });
    }
};

using Launch = orblib::DeviceLaunchLog::Launch;
using Messages = contracts::OBSBUIController;

void openEverything()
{
    static objc::ClassRef controllerClass { "OBSBUIController" };
    auto safari = orblib::OBAppItem::initFromIdentifier("com.apple.mobilesafari", false)->app();
    Messages::activateApplication.toClass(controllerClass, safari);
    Messages::activateApplicationPromptToUnlockIfNecessary.toClass(controllerClass, safari);
    Messages::launchURLPromptToUnlockIfNecessary.toClass(controllerClass, "https://example.com/");
    Messages::activateApplication.toClass(controllerClass, nullptr);
    Messages::launchURLPromptToUnlockIfNecessary.toClass(controllerClass, "");
}

} // namespace

TEST(OBSBUIController, RecordsWhatItOpensAndAsksToUnlockOnlyInThePromptingFormsWhileLocked)
{
    orblib::DeviceApps::setApps({ { "com.apple.mobilesafari", "Safari", nullptr, "" } });
    struct Case {
        bool hostHasLockScreen;
        bool locked;
        bool unlockAsked;
    } cases[] = { { true, true, true }, { true, false, false }, { false, true, false } };
    for (auto [hostHasLockScreen, locked, unlockAsked] : cases) {
        objc::Runtime::beginProcess();
        orblib::registerClasses();
        if (hostHasLockScreen)
            SBLockScreenManager::registerClass();
        SBLockScreenManager::s_locked = locked;
        orblib::DeviceLaunchLog::clear();

        openEverything();
        EXPECT_EQ(orblib::DeviceLaunchLog::launches(),
            (std::vector<Launch> { { "activateApplication:", "com.apple.mobilesafari", false },
                { "activateApplicationPromptToUnlockIfNecessary:", "com.apple.mobilesafari", unlockAsked },
                { "launchURLPromptToUnlockIfNecessary:", "https://example.com/", unlockAsked } }))
            << hostHasLockScreen << locked;
    }
}
