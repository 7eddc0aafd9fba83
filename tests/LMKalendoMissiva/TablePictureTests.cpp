#include "TableScene.h"

#include "LMKalendoMissiva/LMTableViewController.h"
#include "platform/render/PictureCheck.h"
#include "render/ViewRenderer.h"
#include "uikit/UITableView.h"

#include <cairo.h>
#include <gtest/gtest.h>

namespace {

constexpr double hour = 3600;
constexpr double scale = 2;

DeviceSchedule morning()
{
    DeviceSchedule schedule;
    schedule.calendars
        = { { "Work", 0.18, 0.49, 0.88 }, { "Home", 0.2, 0.78, 0.35 }, { "Birthdays", 0.64, 0.35, 0.88 } };
    schedule.events = { TableScene::event("Team stand-up", -5 * 60, 30 * 60),
        TableScene::event("Design review", 2 * hour, hour),
        TableScene::event("Dentist", 7.5 * hour, 45 * 60, "Home"),
        TableScene::event("Maya's birthday", 15 * hour, 24 * hour, "Birthdays") };
    schedule.reminders = { TableScene::reminder("Pick up dry cleaning", 3.5 * hour),
        TableScene::reminder("Call the landlord", 9 * hour) };
    schedule.notifications = {
        TableScene::notification("com.apple.MobileSMS", "Anna Lee", "On my way, ten minutes late", -3 * 60),
        TableScene::notification("com.apple.MobileSMS", "Sam", "Lunch at 12?", -70 * 60),
        TableScene::notification("com.apple.weather", "Rain tomorrow", "Showers expected from 8 AM", -40 * 60)
    };
    return schedule;
}

// The table's part of the screen, over the wallpaper it shows on.
render::Picture tablePicture(TableScene& scene)
{
    auto& table = *scene.table().tableView();
    CGRect frame = table.convertRectToView(table.bounds(), nullptr);
    auto screen = render::ViewRenderer(scale).renderScreen();
    render::Picture picture(
        static_cast<int>(frame.size.width * scale), static_cast<int>(frame.size.height * scale));
    cairo_t* cr = cairo_create(picture.surface());
    cairo_set_source_surface(cr, screen.surface(), -frame.origin.x * scale, -frame.origin.y * scale);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_flush(picture.surface());
    return picture;
}

const char* const folder = "tests/LMKalendoMissiva/reference";

} // namespace

TEST(TablePicture, TheMorningExpandedCollapsedAndPrivate)
{
    Preferences quiet { { "melodraEnabled", "NO" } };
    {
        TableScene scene(morning(), quiet);
        EXPECT_TRUE(matchesReference(tablePicture(scene), "table-expanded", folder));
        scene.table().changeCollapseStateOfSectionWithIdentifier("event");
        scene.table().changeCollapseStateOfSectionWithIdentifier("com.apple.MobileSMS");
        EXPECT_TRUE(matchesReference(tablePicture(scene), "table-collapsed", folder));
    }
    auto privacy = quiet;
    privacy.insert({ { "kalendoPrivacyModeEnabled", "YES" }, { "missivaPrivacyModeEnabled", "YES" } });
    TableScene scene(morning(), privacy);
    EXPECT_TRUE(matchesReference(tablePicture(scene), "table-privacy", folder));
}

TEST(TablePicture, TheWarningWhenNotificationsAreNotGroupedByApp)
{
    DeviceSchedule schedule;
    schedule.notifications = { { .app = "",
        .sectionID = "all",
        .title = "Anna Lee",
        .message = "On my way",
        .date = TableScene::start - 60 } };
    TableScene scene(schedule, { { "melodraEnabled", "NO" } });
    EXPECT_TRUE(matchesReference(tablePicture(scene), "table-warning", folder));
}
