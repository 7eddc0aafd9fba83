#include "prefs/PrefsScene.h"

#include "foundation/ScalarValue.h"
#include "preferences/DeviceProcesses.h"
#include "preferences/PSListController.h"
#include "preferences/PSSwitchTableCell.h"
#include "preferences/SettingsApplication.h"
#include "prefs/LumoraPrefsListController.h"
#include "settings/LMSettings.h"
#include "social/SLComposeViewController.h"
#include "uikit/UIAlertView.h"
#include "uikit/UIApplication.h"
#include "uikit/UIButton.h"
#include "uikit/UIColor.h"
#include "uikit/UINavigationBar.h"
#include "uikit/UINavigationController.h"
#include "uikit/UISwitch.h"
#include "uikit/UITouchSimulator.h"

#include <gtest/gtest.h>

// Not tested here: the pictures (PrefsPictureTests), the restart itself and the panel after it
// (the simulator's scripts), typing into text rows (the framework's tests).

namespace {

void toggle(PrefsScene& scene, const std::string& key)
{
    auto cell = objc::cast<PSSwitchTableCell>(scene.cell(key));
    ASSERT_TRUE(cell) << key;
    auto frame = cell->control()->convertRectToView(cell->control()->bounds(), nullptr);
    UITouchSimulator().tap(
        CGPointMake(frame.origin.x + frame.size.width / 2, frame.origin.y + frame.size.height / 2));
}

bool storedBool(const std::string& key)
{
    auto stored = PrefsScene::stored(key);
    auto* value = foundation::ScalarValue::of(stored);
    return value && value->boolValue();
}

} // namespace

TEST(PrefsPages, ASwitchWritesTheFileAndThePanelFollowsAtItsNextReload)
{
    PrefsScene scene;
    scene.openLumora({ "Configuration", "Chronel" });
    EXPECT_EQ(PrefsScene::stored("secondsEnabled"), nullptr);
    toggle(scene, "secondsEnabled");
    EXPECT_TRUE(storedBool("secondsEnabled"));
    EXPECT_FALSE(LMSettings::sharedInstance()->secondsEnabled()) << "read before the next reload";
    scene.fixture().host().openTodayPage();
    EXPECT_TRUE(LMSettings::sharedInstance()->secondsEnabled()) << "the Today page reloads the settings";
    toggle(scene, "secondsEnabled");
    EXPECT_FALSE(storedBool("secondsEnabled"));
}

TEST(PrefsPages, TheRestartAlertRestartsSpringBoardOnlyOnYes)
{
    PrefsScene scene;
    scene.openLumora({ "Configuration" });
    preferences::DeviceProcesses::takeKillRequests();
    for (auto [button, requests] : { std::pair { "Cancel", std::vector<std::string> {} },
             std::pair { "Yes", std::vector<std::string> { "SpringBoard" } } }) {
        scene.select("respring");
        auto alerts = UIAlertView::visibleAlerts();
        ASSERT_EQ(alerts.size(), 1u);
        EXPECT_EQ(alerts[0]->title(), "Respring");
        EXPECT_EQ(alerts[0]->message(), "Are you sure?");
        ASSERT_TRUE(UITouchSimulator().pressAlertButton(button));
        EXPECT_EQ(preferences::DeviceProcesses::takeKillRequests(), requests) << button;
    }
    EXPECT_EQ(preferences::DeviceProcesses::commands().back(), "killall SpringBoard");
}

TEST(PrefsPages, ACreditsSocialRowTriesTheAppThenTheOtherClientThenTheWebPage)
{
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        { { "twitter", "chirpy" }, "twitter://user?screen_name=orbelin_fictional" },
        { { "chirpy" }, "chirpy://user_profile/orbelin_fictional" },
        { {}, "https://twitter.example/orbelin_fictional" },
    };
    PrefsScene scene;
    scene.openLumora({ "Credits" });
    for (auto& [schemes, expected] : cases) {
        UIApplication::setClaimedURLSchemes(schemes);
        scene.select("twitter");
        ASSERT_TRUE(UITouchSimulator().pressAlertButton("Go"));
        EXPECT_EQ(UIApplication::openedURLs().back(), expected);
    }
    auto opened = UIApplication::openedURLs().size();
    scene.select("website2");
    ASSERT_TRUE(UITouchSimulator().pressAlertButton("Cancel"));
    EXPECT_EQ(UIApplication::openedURLs().size(), opened) << "Cancel opens nothing";
    scene.select("website2");
    ASSERT_TRUE(UITouchSimulator().pressAlertButton("Go"));
    EXPECT_EQ(UIApplication::openedURLs().back(), "https://wren-halloway.example");
}

TEST(PrefsPages, LeavingTheRootPageResetsTheNavigationBarAndReturningTintsItAgain)
{
    PrefsScene scene;
    auto& bar = scene.settings().navigationController()->navigationBar();
    auto base = UIColor::colorWithRed(0x2D / 255.0, 0x1F / 255.0, 0x39 / 255.0, 1)->hexString();
    scene.openLumora();
    ASSERT_TRUE(bar->tintColor());
    EXPECT_EQ(bar->tintColor()->hexString(), base);
    bar->setBarTintColor(UIColor::redColor());
    bar->setTitleTextAttributes({ nullptr, UIColor::redColor(), {} });

    scene.select("Configuration");
    EXPECT_EQ(bar->tintColor(), nullptr);
    EXPECT_EQ(bar->barTintColor(), nullptr);
    EXPECT_TRUE(bar->titleTextAttributes().isEqual({}));

    scene.settings().goBack();
    ASSERT_TRUE(bar->tintColor());
    EXPECT_EQ(bar->tintColor()->hexString(), base);

    scene.settings().goBack();
    EXPECT_EQ(bar->tintColor(), nullptr) << "back on the Settings app's own list";
}

TEST(PrefsPages, TheShareButtonComposesAPostOrSaysThereIsNoAccount)
{
    PrefsScene scene;
    scene.openLumora();
    auto root = objc::cast<LumoraPrefsListController>(scene.page());
    ASSERT_TRUE(root);
    SLComposeViewController::setAccountAvailable(SLServiceTypeTwitter, false);
    root->shareButtonPressed();
    auto alerts = UIAlertView::visibleAlerts();
    ASSERT_EQ(alerts.size(), 1u);
    EXPECT_EQ(alerts[0]->title(), "Twitter");
    EXPECT_EQ(alerts[0]->message(), "No twitter account found to share");
    ASSERT_TRUE(UITouchSimulator().pressAlertButton("OK"));

    SLComposeViewController::setAccountAvailable(SLServiceTypeTwitter, true);
    auto shareButton = scene.settings().navigationController()->navigationBar()->rightButton();
    ASSERT_TRUE(shareButton);
    auto frame = shareButton->convertRectToView(shareButton->bounds(), nullptr);
    UITouchSimulator().tap(
        CGPointMake(frame.origin.x + frame.size.width / 2, frame.origin.y + frame.size.height / 2));
    auto sheet = objc::cast<SLComposeViewController>(root->presentedViewController());
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->initialText(), "Check out #Lumora by @orbelin_fictional!");
}
