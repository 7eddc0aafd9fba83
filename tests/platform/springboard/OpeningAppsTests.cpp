#include "HostCallLog.h"

#include "contracts/OBAppItem.h"
#include "contracts/OBSBUIController.h"
#include "objc/ClassRef.h"
#include "orblib/DeviceLaunchLog.h"
#include "springboard/PasscodePrompt.h"
#include "springboard/SBLockScreenManager.h"
#include "uikit/UIAlertView.h"
#include "uikit/UITouchSimulator.h"

using namespace springboard;

namespace {

using Launch = orblib::DeviceLaunchLog::Launch;
using Messages = contracts::OBSBUIController;

// Each way the support library opens something, as Lumora sends it.
enum class Form { Activate, ActivatePrompting, LaunchURL };

void open(Form form)
{
    static objc::ClassRef controllerClass { "OBSBUIController" };
    static objc::ClassRef appItemClass { "OBAppItem" };
    auto app = contracts::make<contracts::OBAppItem>(
        appItemClass, contracts::OBAppItem::initFromIdentifier, "com.apple.mobilesafari", false)
                   ->app();
    switch (form) {
    case Form::Activate:
        return Messages::activateApplication.toClass(controllerClass, app);
    case Form::ActivatePrompting:
        return Messages::activateApplicationPromptToUnlockIfNecessary.toClass(controllerClass, app);
    case Form::LaunchURL:
        return Messages::launchURLPromptToUnlockIfNecessary.toClass(
            controllerClass, "com.apple.mobilesafari");
    }
}

bool promptIsUp()
{
    auto alerts = UIAlertView::visibleAlerts();
    return !alerts.empty() && alerts.back()->title() == PasscodePrompt::title;
}

} // namespace

TEST(OpeningApps, EveryFormUnlocksFirstOnALockedDeviceAndOpensDirectlyOnAnUnlockedOne)
{
    struct Case {
        bool locked;
        bool passcode;
        const char* answer; // to the passcode prompt
        bool unlockAsked;
        bool opened;
        bool lockedAfterwards;
    };
    const Case cases[] = {
        { false, true, nullptr, false, true, false },
        { true, false, nullptr, true, true, false },
        { true, true, "Unlock", true, true, false },
        { true, true, "Cancel", true, false, true },
    };
    for (auto form : { Form::Activate, Form::ActivatePrompting, Form::LaunchURL }) {
        for (auto& testCase : cases) {
            SCOPED_TRACE(testing::Message() << "form " << static_cast<int>(form) << " locked "
                                            << testCase.locked << " passcode " << testCase.passcode);
            Device device;
            device.locked = testCase.locked;
            device.hasPasscode = testCase.passcode;
            SpringBoard host(device);
            host.buildWindows();
            orblib::DeviceLaunchLog::clear();

            open(form);
            EXPECT_EQ(promptIsUp(), testCase.answer != nullptr);
            ASSERT_EQ(orblib::DeviceLaunchLog::launches().size(), 1u);
            EXPECT_EQ(orblib::DeviceLaunchLog::launches()[0].opened, !testCase.answer);
            if (testCase.answer) {
                EXPECT_TRUE(SBLockScreenManager::sharedInstance()->isUILocked())
                    << "nothing opens past the prompt";
                EXPECT_TRUE(UITouchSimulator().pressAlertButton(testCase.answer));
                EXPECT_FALSE(promptIsUp());
            }
            auto launch = orblib::DeviceLaunchLog::launches()[0];
            EXPECT_EQ(launch.target, "com.apple.mobilesafari");
            EXPECT_EQ(launch.unlockAsked, testCase.unlockAsked);
            EXPECT_EQ(launch.opened, testCase.opened);
            EXPECT_EQ(SBLockScreenManager::sharedInstance()->isUILocked(), testCase.lockedAfterwards);
        }
    }
}
