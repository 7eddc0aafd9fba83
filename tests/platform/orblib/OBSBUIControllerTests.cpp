#include "contracts/OBAppItem.h"
#include "contracts/OBSBUIController.h"
#include "contracts/SBLockScreenManager.h"
#include "objc/ClassRef.h"
#include "orblib/DeviceApps.h"
#include "orblib/DeviceLaunchLog.h"
#include "orblib/OBAppItem.h"
#include "orblib/OBSBUIController.h"
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

// What the host was asked to unlock for, waiting for the user.
std::vector<std::function<void()>> s_unlockRequests;

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

TEST(OBSBUIController, AsksEveryFormToUnlockFirstWhileLockedAndOpensOnceUnlocked)
{
    orblib::DeviceApps::setApps({ { "com.apple.mobilesafari", "Safari", nullptr, "" } });
    struct Case {
        bool hostHasLockScreen;
        bool locked;
        bool hostAnswersUnlock;
        bool unlockAsked;
        bool openedAtOnce;
    } cases[] = {
        { true, true, false, true, true },
        { true, true, true, true, false },
        { true, false, true, false, true },
        { false, true, false, false, true },
    };
    for (auto testCase : cases) {
        objc::Runtime::beginProcess();
        orblib::registerClasses();
        std::vector<std::function<void()>> waiting;
        if (testCase.hostHasLockScreen)
            SBLockScreenManager::registerClass();
        if (testCase.hostAnswersUnlock)
            SBLockScreenManager::staticClass()->addMethod(
                orblib::OBSBUIController::requestUnlock,
                +[](id, SEL, std::function<void()> then) { s_unlockRequests.push_back(std::move(then)); });
        SBLockScreenManager::s_locked = testCase.locked;
        s_unlockRequests.clear();
        orblib::DeviceLaunchLog::clear();

        openEverything();
        auto expected = [&](bool opened) {
            return std::vector<Launch> {
                { "activateApplication:", "com.apple.mobilesafari", testCase.unlockAsked, opened },
                { "activateApplicationPromptToUnlockIfNecessary:", "com.apple.mobilesafari",
                    testCase.unlockAsked, opened },
                { "launchURLPromptToUnlockIfNecessary:", "https://example.com/", testCase.unlockAsked,
                    opened },
            };
        };
        SCOPED_TRACE(testing::Message()
            << testCase.hostHasLockScreen << testCase.locked << testCase.hostAnswersUnlock);
        EXPECT_EQ(orblib::DeviceLaunchLog::launches(), expected(testCase.openedAtOnce));
        for (auto& unlocked : s_unlockRequests)
            unlocked();
        EXPECT_EQ(orblib::DeviceLaunchLog::launches(), expected(true));
    }
}

TEST(OBSBUIController, AnUnlockAnsweredAfterTheLogWasClearedMarksNothing)
{
    objc::Runtime::beginProcess();
    orblib::registerClasses();
    SBLockScreenManager::registerClass();
    SBLockScreenManager::staticClass()->addMethod(
        orblib::OBSBUIController::requestUnlock,
        +[](id, SEL, std::function<void()> then) { s_unlockRequests.push_back(std::move(then)); });
    SBLockScreenManager::s_locked = true;
    s_unlockRequests.clear();
    orblib::OBSBUIController::launchURLPromptToUnlockIfNecessary("https://example.com/");
    orblib::DeviceLaunchLog::clear();
    orblib::OBSBUIController::launchURLPromptToUnlockIfNecessary("https://example.org/");
    s_unlockRequests.front()();
    auto launches = orblib::DeviceLaunchLog::launches();
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_FALSE(launches[0].opened);
}
