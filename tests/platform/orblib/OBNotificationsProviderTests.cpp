#include "contracts/OBNotificationsProvider.h"
#include "foundation/NSDate.h"
#include "foundation/NSString.h"
#include "objc/ClassRef.h"
#include "orblib/DeviceApps.h"
#include "orblib/DeviceNotifications.h"
#include "orblib/OrbLib.h"
#include "uikit/Bitmap.h"
#include "uikit/UIImage.h"
#include "uikit/UIImageView.h"
#include "uikit/UIScreen.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Sections = std::vector<std::shared_ptr<contracts::OBNotificationSection>>;

Sections catalogue()
{
    static objc::ClassRef providerClass { "OBNotificationsProvider" };
    auto catalogue = contracts::shared<contracts::OBNotificationCatalogue>(
        providerClass, contracts::OBNotificationsProvider::currentNotificationsCatalogue);
    return catalogue ? catalogue->sections() : Sections {};
}

std::vector<std::string> titles(const Sections& sections)
{
    std::vector<std::string> found;
    for (auto& section : sections) {
        for (auto& row : section->rows())
            found.push_back(section->sectionID() + ": " + row->title().value_or("-"));
    }
    return found;
}

class Notifications : public testing::Test {
protected:
    void SetUp() override
    {
        objc::Runtime::beginProcess();
        orblib::registerClasses();
        UIScreen::setMainScreen(CGRectMake(0, 0, 375, 667), 2);
        orblib::DeviceApps::setApps({ { "com.apple.MobileSMS", "Messages", nullptr, "" },
            { "com.apple.mobilemail", "Mail", nullptr, "" } });
        orblib::DeviceNotifications::set({
            { 0, "com.apple.MobileSMS", "", "Anna", {}, "On my way", 300, nullptr, "sms:anna", { "Reply" } },
            { 0, "com.apple.mobilemail", "", "Invoice", "December", {}, 200,
                UIImage::imageWithBitmap(Bitmap(4, 3)), {}, { "Trash", "Mark as Read" } },
            { 0, "com.apple.MobileSMS", "", "Dad", {}, "Call me", 100 },
            { 0, "", "alerts", "Unplaced", {}, {}, 50 },
            { 0, "com.example.gone", "", "Uninstalled", {}, {}, 40 },
        });
    }
};

} // namespace

TEST_F(Notifications, GroupsThemByAppNewestFirstWithEverythingARowOffers)
{
    auto sections = catalogue();
    EXPECT_EQ(titles(sections),
        (std::vector<std::string> { "com.apple.MobileSMS: Anna", "com.apple.MobileSMS: Dad",
            "com.apple.mobilemail: Invoice", "alerts: Unplaced", "com.example.gone: Uninstalled" }));

    auto messages = sections[0];
    EXPECT_EQ(messages->sectionApp()->displayName(), "Messages");
    EXPECT_TRUE(messages->sectionIcon());
    EXPECT_EQ(messages->sectionAppIconImageViewWithSize(24)->frame(), CGRectMake(0, 0, 24, 24));
    auto anna = messages->rows()[0];
    EXPECT_EQ(anna->message(), "On my way");
    EXPECT_EQ(anna->date()->timeIntervalSinceReferenceDate(), 300);
    EXPECT_EQ(anna->app()->bundleIdentifier(), "com.apple.MobileSMS");
    EXPECT_EQ(anna->sectionID(), "com.apple.MobileSMS");
    EXPECT_EQ(anna->icon(), messages->sectionIcon());
    EXPECT_FALSE(anna->attachmentImage());
    EXPECT_EQ(anna->bulletin()->defaultAction()->launchURL(), "sms:anna");
    EXPECT_FALSE(anna->bulletin()->subtitle());
    ASSERT_EQ(anna->notificationActions().size(), 1u);
    EXPECT_EQ(objc::cast<NSString>(anna->notificationActions()[0])->UTF8String(), "Reply");

    auto invoice = sections[1]->rows()[0];
    EXPECT_EQ(invoice->bulletin()->subtitle(), "December");
    EXPECT_FALSE(invoice->bulletin()->defaultAction()->launchURL());
    EXPECT_FALSE(invoice->message());
    EXPECT_TRUE(invoice->attachmentImage());

    for (auto& appless : { sections[2], sections[3] }) {
        EXPECT_FALSE(appless->sectionApp()) << appless->sectionID();
        EXPECT_FALSE(appless->rows()[0]->app());
        EXPECT_EQ(appless->sectionAppIconImageViewWithSize(24)->frame().size, CGSizeMake(24, 24));
    }
}

TEST_F(Notifications, RemovingOneASectionOrRunningAnActionTakesItOffTheDevice)
{
    auto sections = catalogue();
    sections[0]->rows()[1]->removeActualNotification();
    EXPECT_EQ(titles(catalogue()).size(), 4u);
    EXPECT_EQ(titles(catalogue())[1], "com.apple.mobilemail: Invoice") << "Dad is gone";

    // An index without an action is refused and the notification stays.
    auto invoice = sections[1]->rows()[0];
    invoice->invokeNotificationActionWithIndex(2);
    invoice->invokeNotificationActionWithIndex(-1);
    EXPECT_TRUE(orblib::DeviceNotifications::invokedActions().empty());
    EXPECT_EQ(titles(catalogue()).size(), 4u);
    invoice->invokeNotificationActionWithIndex(1);
    ASSERT_EQ(orblib::DeviceNotifications::invokedActions().size(), 1u);
    EXPECT_EQ(orblib::DeviceNotifications::invokedActions()[0].title, "Mark as Read");
    EXPECT_EQ(titles(catalogue()).size(), 3u);

    // The section goes with what arrived since the catalogue was made.
    orblib::DeviceNotifications::add({ 0, "com.apple.MobileSMS", "", "Sam", {}, "Lunch?", 400 });
    sections[0]->removeActualNotificationSection();
    EXPECT_EQ(titles(catalogue()),
        (std::vector<std::string> { "alerts: Unplaced", "com.example.gone: Uninstalled" }));
    sections[0]->removeActualNotificationSection();
    sections[0]->rows()[0]->removeActualNotification();
    EXPECT_EQ(titles(catalogue()).size(), 2u) << "removing what is gone does nothing";
}

TEST_F(Notifications, TheSameCatalogueServesUntilTheNotificationsTheAppsOrTheProcessChange)
{
    static objc::ClassRef providerClass { "OBNotificationsProvider" };
    auto current = [] {
        return contracts::OBNotificationsProvider::currentNotificationsCatalogue.toClass(providerClass);
    };
    auto first = current();
    EXPECT_EQ(current(), first);

    struct Change {
        const char* what;
        std::function<void()> make;
        size_t rows;
    };
    const Change changes[] = {
        { "one arrives",
            [] {
                orblib::DeviceNotifications::add({ 0, "com.apple.MobileSMS", "", "Sam", {}, {}, 400 });
            },
            6 },
        { "one goes", [] { orblib::DeviceNotifications::removeTitled("Sam"); }, 5 },
        { "the apps change",
            [] {
                orblib::DeviceApps::setApps({ { "com.apple.MobileSMS", "Texts", nullptr, "" } });
            },
            5 },
        { "a new process",
            [] {
                objc::Runtime::beginProcess();
                orblib::registerClasses();
            },
            5 },
    };
    for (auto& change : changes) {
        auto before = current();
        change.make();
        auto after = current();
        EXPECT_NE(after, before) << change.what;
        EXPECT_EQ(current(), after) << change.what;
        EXPECT_EQ(titles(catalogue()).size(), change.rows) << change.what;
    }
    auto sections = catalogue();
    EXPECT_EQ(sections[0]->sectionApp()->displayName(), "Texts");
    EXPECT_FALSE(sections[1]->sectionApp()) << "Mail is no longer installed";
}
