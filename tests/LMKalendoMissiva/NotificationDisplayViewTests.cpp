#include "TableScene.h"

#include "LMKalendoMissiva/LMSingleNotificationDisplayView.h"
#include "LMKalendoMissiva/LMTableViewController.h"
#include "contracts/OBNotificationRow.h"
#include "orblib/DeviceLaunchLog.h"
#include "platform/render/PictureCheck.h"
#include "uikit/UIButton.h"
#include "uikit/UIColor.h"
#include "uikit/UIImage.h"
#include "uikit/UIImageView.h"
#include "uikit/UILabel.h"

#include <gtest/gtest.h>

// Not yet tested here: the close gesture (the display family's), the dim reset (OverlayLifecycle).

namespace {

constexpr const char* mail = "com.apple.mobilemail";
constexpr const char* messages = "com.apple.MobileSMS";

springboard::Device phone(int sizeCode = 3, int orientation = 1)
{
    springboard::Device device;
    device.applications.push_back({ mail, "Mail" });
    device.sizeCode = sizeCode;
    device.orientation = orientation;
    return device;
}

orblib::NotificationRecord notification(
    std::string app, std::vector<std::string> actions = {}, std::shared_ptr<UIImage> picture = nullptr)
{
    auto record = TableScene::notification(std::move(app), "Invoice", "Your invoice is ready");
    record.subtitle = "Accounts";
    record.actions = std::move(actions);
    record.attachment = std::move(picture);
    return record;
}

std::shared_ptr<UIImage> picture()
{
    Bitmap bitmap(40, 30);
    for (size_t i = 0; i < bitmap.rgba.size(); i += 4) {
        bitmap.rgba[i] = 240;
        bitmap.rgba[i + 1] = 160;
        bitmap.rgba[i + 2] = 90;
        bitmap.rgba[i + 3] = 255;
    }
    return UIImage::imageWithBitmap(std::move(bitmap), 1, "Picture");
}

// A device with these notifications; the first one's overlay opened by a tap on its row.
class NotificationScene : public TableScene {
public:
    NotificationScene(std::vector<orblib::NotificationRecord> notifications,
        springboard::Device device = phone(), const Preferences& preferences = {})
        : TableScene(schedule(std::move(notifications)), preferences, std::move(device))
    { }

    static DeviceSchedule schedule(std::vector<orblib::NotificationRecord> notifications)
    {
        DeviceSchedule schedule;
        schedule.notifications = std::move(notifications);
        return schedule;
    }

    LMSingleNotificationDisplayView& overlay() const
    {
        return *LMSingleNotificationDisplayView::sharedInstance();
    }
    template <class T = UIView> std::shared_ptr<T> part(std::string_view field) const
    {
        return DeviceScene::view<T>(overlay(), field);
    }
    bool shows(std::string_view field) const { return !part(field)->isHidden(); }
    std::string text(std::string_view field) const { return part<UILabel>(field)->text(); }
    CGRect frame(std::string_view field) const { return part(field)->frame(); }

    void open()
    {
        scene().tap(*row(table().sectionForNotificationsHeader() + 1, 0));
        scene().advance(0.5);
        ASSERT_TRUE(overlay().isActive());
    }
    void press(std::string_view button)
    {
        scene().tap(*part(button));
        scene().advance(0.5);
    }
};

std::string colour(const std::shared_ptr<UIColor>& color)
{
    return color ? color->hexString() : "none";
}

CGFloat bottom(CGRect frame)
{
    return frame.origin.y + frame.size.height;
}

} // namespace

TEST(NotificationDisplayView, ShowsAnActionButtonOnlyForAnActionTheNotificationHas)
{
    struct Case {
        const char* app;
        std::vector<std::string> actions;
        std::string first;
        std::string second;
    };
    // "title colour" of each action button shown, empty when hidden.
    const Case cases[] = {
        { mail, { "Trash", "Mark as Read" }, "Mark as Read #157efbff", "Trash #fc3d39ff" },
        { mail, { "Trash" }, "", "Trash #fc3d39ff" },
        { mail, {}, "", "" },
        { messages, { "Reply" }, "Reply #157efbff", "" },
        { messages, {}, "", "" },
        { "com.apple.mobilecal", { "Snooze", "Open" }, "", "" },
    };
    for (auto& c : cases) {
        SCOPED_TRACE(std::string(c.app) + " with " + std::to_string(c.actions.size()) + " actions");
        NotificationScene scene({ notification(c.app, c.actions) });
        scene.open();
        auto shown = [&](std::string_view button, std::string_view label) -> std::string {
            if (!scene.shows(button) || !scene.shows(label))
                return "";
            return scene.text(label) + " " + colour(scene.part(button)->backgroundColor());
        };
        EXPECT_EQ(shown("notificationAction1Button", "notificationAction1ButtonLabel"), c.first);
        EXPECT_EQ(shown("notificationAction2Button", "notificationAction2ButtonLabel"), c.second);
        EXPECT_TRUE(scene.shows("launchAppButton") && scene.shows("dismissNotificationButton"));
        // The shown buttons follow one another without a gap.
        CGFloat next = bottom(scene.frame("dismissNotificationButton")) + 10;
        for (auto button : { "notificationAction1Button", "notificationAction2Button" }) {
            if (scene.shows(button)) {
                EXPECT_DOUBLE_EQ(scene.frame(button).origin.y, next) << button;
                next = bottom(scene.frame(button)) + 10;
            }
        }
    }
}

TEST(NotificationDisplayView, EachActionButtonRunsItsOwnIndexAndCloses)
{
    struct Case {
        const char* app;
        std::vector<std::string> actions;
        const char* button;
        int index;
    };
    const Case cases[] = {
        { mail, { "Trash", "Mark as Read" }, "notificationAction1Button", 1 },
        { mail, { "Trash", "Mark as Read" }, "notificationAction2Button", 0 },
        { messages, { "Reply" }, "notificationAction1Button", 0 },
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.actions[static_cast<size_t>(c.index)]);
        NotificationScene scene(
            { notification(c.app, c.actions), TableScene::notification(messages, "Anna", "Later", -600) });
        scene.open();
        auto shown = scene.overlay().row();
        size_t before = orblib::DeviceNotifications::invokedActions().size();
        scene.press(c.button);
        auto invoked = orblib::DeviceNotifications::invokedActions();
        ASSERT_EQ(invoked.size(), before + 1);
        EXPECT_EQ(invoked.back().index, c.index);
        EXPECT_FALSE(scene.overlay().isActive());
        EXPECT_EQ(orblib::DeviceNotifications::all().size(), 1u);
        // The table follows at once, without waiting for its 10-second reload.
        EXPECT_EQ(scene.summary("notifications"), "You have 1 notification");
        // The row stays until the next notification is opened.
        EXPECT_EQ(scene.overlay().row(), shown);
    }
}

// A second tap while the overlay fades out would act again on a notification already handled.
TEST(NotificationDisplayView, NoButtonActsWhileTheOverlayIsClosing)
{
    for (auto button : { "notificationAction1Button", "notificationAction2Button", "launchAppButton",
             "dismissNotificationButton" }) {
        SCOPED_TRACE(button);
        NotificationScene scene({ notification(mail, { "Trash", "Mark as Read" }) });
        orblib::DeviceLaunchLog::clear();
        size_t before = orblib::DeviceNotifications::invokedActions().size();
        scene.open();
        scene.overlay().hide();
        scene.scene().advance(OBDisplayView::animationDuration / 3);
        ASSERT_FALSE(scene.overlay().isHidden());
        scene.press(button);
        EXPECT_EQ(orblib::DeviceNotifications::invokedActions().size(), before);
        EXPECT_EQ(orblib::DeviceNotifications::all().size(), 1u);
        EXPECT_TRUE(orblib::DeviceLaunchLog::launches().empty());
    }
}

TEST(NotificationDisplayView, ReadsTheAppDateAndTextsReplacingOnlyWhatIsMissing)
{
    auto full = notification(messages);
    auto bare = TableScene::notification(messages, "", "");
    bare.title = std::nullopt;
    bare.message = "";
    struct Case {
        orblib::NotificationRecord record;
        Preferences preferences;
        std::string name;
        std::string description;
    };
    const Case cases[] = {
        { full, {}, "Messages Notification\nDec 7 at 9:04 am",
            "Title\nInvoice\n\nSubtitle\nAccounts\n\nMessage\nYour invoice is ready" },
        { bare, { { "militaryTime", "YES" } }, "Messages Notification\nDec 7 at 09:04",
            "Title\nNo title\n\nSubtitle\nNo subtitle\n\nMessage\n" },
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.name);
        NotificationScene scene({ c.record }, phone(), c.preferences);
        scene.open();
        EXPECT_EQ(scene.text("appNameLabel"), c.name);
        EXPECT_EQ(scene.text("notificationDescriptionLabel"), c.description);
        EXPECT_EQ(scene.part<UIImageView>("appIconImageView")->image(), scene.overlay().row()->icon());
    }
}

// Upright on a size-3 screen the picture (30 % of the shorter side) stands below the text and the
// buttons below it; on its side it stands at a fifth of the width. A smaller screen has no room
// for it: no picture, no "Image Preview" line, and the buttons follow the text, where the picture
// view's frame (never laid out there) would have put them at the top of the screen.
TEST(NotificationDisplayView, ThePictureShowsWhereTheScreenHasRoom)
{
    struct Case {
        const char* name;
        int sizeCode;
        int orientation;
        bool shown;
        bool previewLine;
        CGPoint centre;
        const char* anchor;
    };
    const Case cases[] = {
        { "upright, 4.7-inch", 3, 1, true, true, CGPointMake(187.5, 326.95 + 75), "attachmentImageView" },
        { "on its side, 4.7-inch", 3, 3, true, false, CGPointMake(133.4, 187.5),
            "notificationDescriptionLabel" },
        { "upright, 4-inch", 2, 1, false, false, CGPointMake(0, 0), "notificationDescriptionLabel" },
        { "on its side, 4-inch", 2, 3, false, false, CGPointMake(0, 0), "notificationDescriptionLabel" },
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.name);
        NotificationScene scene({ notification(mail, {}, picture()) }, phone(c.sizeCode, c.orientation));
        scene.open();
        EXPECT_EQ(scene.shows("attachmentImageView"), c.shown);
        EXPECT_EQ(scene.text("notificationDescriptionLabel").ends_with("\n\nImage Preview"), c.previewLine);
        if (c.shown) {
            CGRect frame = scene.frame("attachmentImageView");
            EXPECT_NEAR(frame.size.width, 112.5, 0.01);
            EXPECT_NEAR(frame.size.height, 112.5, 0.01);
            EXPECT_NEAR(CGRectGetMidX(frame), c.centre.x, 0.01);
            EXPECT_NEAR(CGRectGetMidY(frame), c.centre.y, 0.01);
        }
        EXPECT_NEAR(scene.frame("launchAppButton").origin.y, bottom(scene.frame(c.anchor)) + 15, 0.01);
        CGFloat screenHeight = c.orientation == 1 ? 667 : 375;
        EXPECT_NEAR(scene.frame("notificationDescriptionLabel").size.height,
            (c.sizeCode < 3 ? 0.35 : 0.25) * screenHeight, 0.01);
    }
}

TEST(NotificationDisplayView, LaunchAsksToUnlockOnlyOnTheLockScreen)
{
    struct Case {
        const char* name;
        std::optional<std::string> address;
        const char* location;
        bool locked;
        orblib::DeviceLaunchLog::Launch launch;
    };
    const Case cases[] = {
        { "lock screen, with an address", "sms:anna", "1", true,
            { "launchURLPromptToUnlockIfNecessary:", "sms:anna", true, true } },
        { "lock screen, without one", std::nullopt, "1", true,
            { "activateApplicationPromptToUnlockIfNecessary:", messages, true, true } },
        { "Today page, unlocked", "sms:anna", "2", false, { "activateApplication:", messages, false, true } },
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto record = notification(messages);
        record.launchURL = c.address;
        auto device = phone();
        device.locked = c.locked;
        NotificationScene scene({ record }, device, { { "location", c.location } });
        orblib::DeviceLaunchLog::clear();
        scene.open();
        scene.press("launchAppButton");
        EXPECT_FALSE(scene.overlay().isActive());
        EXPECT_EQ(orblib::DeviceLaunchLog::launches(), std::vector { c.launch });
        EXPECT_EQ(orblib::DeviceNotifications::all().size(), 1u);
    }
}

TEST(NotificationDisplayView, DismissRemovesTheNotificationAndTheTableFollows)
{
    NotificationScene scene(
        { notification(mail), TableScene::notification(messages, "Anna", "Later", -600) });
    scene.open();
    scene.press("dismissNotificationButton");
    EXPECT_FALSE(scene.overlay().isActive());
    auto left = orblib::DeviceNotifications::all();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].title, "Anna");
    EXPECT_EQ(scene.sections().back(), "Messages | Anna - Later");
}

TEST(NotificationPicture, TheOverlayUprightAndOnItsSide)
{
    for (auto [orientation, name] :
        { std::pair { 1, "notification-portrait" }, std::pair { 3, "notification-landscape" } }) {
        SCOPED_TRACE(name);
        NotificationScene scene(
            { notification(mail, { "Trash", "Mark as Read" }, picture()) }, phone(3, orientation));
        scene.open();
        EXPECT_TRUE(screenMatchesReference(name, "tests/LMKalendoMissiva/reference"));
    }
}
