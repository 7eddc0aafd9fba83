// Not yet tested here: an item of neither kind (the table makes none); the dim reset around the
// overlays (tests/overlays covers the family).
#include "TableScene.h"

#include "LMKalendoMissiva/LMClearAllNotificationsDisplayView.h"
#include "LMKalendoMissiva/LMNotificationSectionDismissButton.h"
#include "LMKalendoMissiva/LMSingleEventDisplayView.h"
#include "LMKalendoMissiva/LMTableViewController.h"
#include "_LMContainerView/LMView.h"
#include "contracts/OBNotificationSection.h"
#include "platform/render/PictureCheck.h"
#include "support/host/ExpectedLayout.h"
#include "uikit/UIButton.h"
#include "uikit/UIImage.h"
#include "uikit/UIImageView.h"
#include "uikit/UILabel.h"
#include "uikit/UITableView.h"

#include <gtest/gtest.h>

namespace {

constexpr double minute = 60;
const char* const folder = "tests/LMKalendoMissiva";
const char* const referenceFolder = "tests/LMKalendoMissiva/reference";

// Under way since 09:00, until 10:30, without a location; a reminder at 10:00; messages from
// three apps.
DeviceSchedule morning()
{
    DeviceSchedule schedule;
    auto review = TableScene::event("Budget review", -5.5 * minute, 90 * minute);
    review.location = "";
    review.notes = "Bring last quarter's figures";
    schedule.events = { review };
    auto plants = TableScene::reminder("Water the plants", 54.5 * minute);
    plants.location = "Balcony";
    schedule.reminders = { plants };
    schedule.notifications = { TableScene::notification(
                                   "com.apple.MobileSMS", "Anna", "On my way", -3 * minute),
        TableScene::notification("com.apple.MobileSMS", "Sam", "Lunch at 12?", -70 * minute),
        TableScene::notification("com.apple.mobilecal", "Dentist", "Tomorrow at 10:00", -40 * minute),
        TableScene::notification("com.apple.weather", "Rain tomorrow", "Showers from 8 AM", -2 * minute) };
    return schedule;
}

std::string labelText(const UIView& overlay, std::string_view field)
{
    return DeviceScene::view<UILabel>(overlay, field)->text();
}

} // namespace

TEST(EventDisplayView, ShowsTheItemTappedWithItsKindItsDatesAndItsTexts)
{
    struct Case {
        const char* header;
        const char* militaryTime;
        const char* type;
        const char* description;
        const char* icon;
    };
    const Case cases[] = {
        { "_eventSectionHeader", "NO", "event\nStart: Dec 7 at 9:00 am\nEnd: Dec 7 at 10:30 am",
            "Title\nBudget review\n\nLocation\nNo location\n\nNotes\nBring last quarter's figures",
            "AppIcon/com.apple.mobilecal" },
        { "_eventSectionHeader", "YES", "event\nStart: Dec 7 at 09:00\nEnd: Dec 7 at 10:30",
            "Title\nBudget review\n\nLocation\nNo location\n\nNotes\nBring last quarter's figures",
            "AppIcon/com.apple.mobilecal" },
        { "_reminderSectionHeader", "NO", "reminder\nDec 7 at 10:00 am\n",
            "Title\nWater the plants\n\nLocation\nBalcony\n\nNotes\nNo notes",
            "AppIcon/com.apple.reminders" },
    };
    for (const auto& item : cases) {
        SCOPED_TRACE(std::string(item.header) + " militaryTime " + item.militaryTime);
        TableScene scene(morning(), { { "militaryTime", item.militaryTime } });
        scene.scene().tap(item.header);
        scene.scene().advance(1);
        auto overlay = LMSingleEventDisplayView::sharedInstance();
        ASSERT_TRUE(overlay->isActive());
        EXPECT_EQ(labelText(*overlay, "eventTypeLabel"), item.type);
        EXPECT_EQ(labelText(*overlay, "eventDescriptionLabel"), item.description);
        auto icon = DeviceScene::view<UIImageView>(*overlay, "appIconImageView")->image();
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(icon->name(), item.icon);
    }

    TableScene scene(morning(), { { "kalendoOverlayEnabled", "NO" } });
    scene.scene().tap("_eventSectionHeader");
    scene.scene().advance(1);
    EXPECT_FALSE(LMSingleEventDisplayView::sharedInstance()->isActive()) << "with the overlay switched off";
}

// Against tests/LMKalendoMissiva/expected/NAME.txt and reference/NAME.png. Upright on a 375 x 667
// screen: the icon 75 square centred at 187.5, 133.4; the kind below it, 60 high; the texts from
// x 37.5, 300 wide and 200.1 high. The clear-all button 187.5 square in the middle.
TEST(DetailOverlayPictures, TheEventAndClearAllOverlaysUprightAndOnTheirSide)
{
    for (auto [orientation, side] : { std::pair { 1, "portrait" }, { 3, "landscape" } }) {
        SCOPED_TRACE(side);
        TableScene scene(morning(), { { "dismissAllNotificationsButtonEnabled", "YES" } });
        scene.scene().host().setOrientation(orientation);
        scene.scene().advance(1);
        scene.scene().tap("_eventSectionHeader");
        scene.scene().advance(1);
        auto event = LMSingleEventDisplayView::sharedInstance();
        ASSERT_TRUE(event->isActive());
        std::string name = std::string("event-overlay-") + side;
        EXPECT_TRUE(matchesExpectedLayout(*event, name, folder));
        EXPECT_TRUE(screenMatchesReference(name, referenceFolder));
        event->hide();
        scene.scene().advance(1);

        scene.table().notificationFooterViewSingleTapRecognizer(nullptr);
        scene.scene().advance(1);
        auto clearAll = LMClearAllNotificationsDisplayView::sharedInstance();
        ASSERT_TRUE(clearAll->isActive());
        name = std::string("clear-all-overlay-") + side;
        EXPECT_TRUE(matchesExpectedLayout(*clearAll, name, folder));
        EXPECT_TRUE(screenMatchesReference(name, referenceFolder));
    }
}

TEST(ClearAllNotificationsDisplayView, RemovesEverySectionTheTableShowsFromTheDeviceAndCloses)
{
    auto schedule = morning();
    schedule.events.clear();
    schedule.reminders.clear();
    TableScene scene(schedule, { { "dismissAllNotificationsButtonEnabled", "YES" } });
    auto overlay = LMClearAllNotificationsDisplayView::sharedInstance();
    overlay->clearAllNotificationsButtonReleased(nullptr);
    EXPECT_EQ(orblib::DeviceNotifications::all().size(), 4u) << "the button does nothing while closed";

    scene.scene().tap("_notificationFooterView");
    scene.scene().advance(1);
    ASSERT_TRUE(overlay->isActive());
    scene.scene().tap(*overlay->clearAllNotificationsButton());
    EXPECT_FALSE(overlay->isActive());
    scene.scene().advance(1);
    EXPECT_TRUE(overlay->isHidden());
    EXPECT_TRUE(orblib::DeviceNotifications::all().empty());
    EXPECT_EQ(scene.summary("notifications"), "No notifications");
    EXPECT_FALSE(scene.table().hasAnyNotifications());
}

TEST(NotificationSectionDismissButton, RemovesOnlyItsAppsNotificationsAndTheOtherSectionTakesKeyOne)
{
    auto schedule = morning();
    schedule.notifications.pop_back();
    TableScene scene(schedule);
    ASSERT_EQ(scene.table().notificationSectionsData().size(), 2u);
    long second = scene.table().sectionForNotificationsHeader() + 2;
    auto button
        = DeviceScene::view<LMNotificationSectionDismissButton>(*scene.header(second), "_dismissButton");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->section()->sectionID(), "com.apple.mobilecal");
    EXPECT_EQ(button->frame(), CGRectMake(335 - 40 - 10, 2, 40, 40));
    EXPECT_DOUBLE_EQ(button->alpha(), 0.25);
    EXPECT_EQ(button->currentBackgroundImage()->name(), "DismissButton");

    scene.scene().tap(*button);
    scene.scene().advance(1);
    auto left = orblib::DeviceNotifications::all();
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(left[0].app, "com.apple.MobileSMS");
    EXPECT_EQ(left[1].app, "com.apple.MobileSMS");
    const auto& sections = scene.table().notificationSectionsData();
    ASSERT_EQ(sections.size(), 1u);
    EXPECT_EQ(sections.begin()->first, "1");
    EXPECT_EQ(sections.begin()->second->sectionID(), "com.apple.MobileSMS");
    EXPECT_FALSE(scene.table().isCollapsed("com.apple.mobilecal"))
        << "the header kept the tap from its button";
}
