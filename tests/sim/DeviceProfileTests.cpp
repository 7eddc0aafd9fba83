#include "DeviceProfile.h"
#include "InputError.h"

#include "eventkit/IcsCalendar.h"
#include "session/TemporaryFolder.h"
#include "uikit/PNGFile.h"
#include "uikit/UIImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

namespace {

// A profile file in a temporary folder for the life of the object.
class ProfileFile {
public:
    explicit ProfileFile(const std::string& json)
        : m_temporary("lumora-profile")
        , m_folder(m_temporary.path())
    {
        std::ofstream(path()) << json;
    }

    std::filesystem::path path() const { return m_folder / "device.json"; }
    void addPicture(const std::string& name, const Bitmap& bitmap) const
    {
        auto bytes = PNGFile::encode(bitmap);
        std::ofstream(m_folder / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

private:
    TemporaryFolder m_temporary;
    std::filesystem::path m_folder;
};

std::string loadError(const std::string& json)
{
    ProfileFile file(json);
    try {
        DeviceProfile::load(file.path());
    } catch (const InputError& error) {
        std::string message = error.what();
        auto prefix = file.path().string() + ": ";
        return message.starts_with(prefix) ? message.substr(prefix.size()) : message;
    }
    return "accepted";
}

} // namespace

TEST(DeviceProfile, TheDemoDeviceIsAnIPhone6OnIOS93)
{
    auto demo = DeviceProfile::demo();
    EXPECT_EQ(demo.device.systemVersion, "9.3");
    EXPECT_EQ(demo.device.model, 8);
    EXPECT_EQ(demo.device.sizeCode, 3);
    EXPECT_EQ(demo.device.screenSize.width, 375);
    EXPECT_EQ(demo.device.screenSize.height, 667);
    EXPECT_EQ(demo.device.screenScale, 2);
    // 09:05:30 in Los Angeles is 17:05:30 UTC.
    EXPECT_EQ(demo.device.startTime, 471200730);
    EXPECT_TRUE(demo.device.locked);
    EXPECT_TRUE(demo.device.screenOn);
    EXPECT_FLOAT_EQ(demo.device.battery.level, 0.64f);
    EXPECT_LT(demo.ratePerHour, 0);
    ASSERT_TRUE(demo.weather);
    EXPECT_TRUE(demo.locationServicesEnabled);
    // The hours of the forecast begin at the next full hour.
    EXPECT_EQ(demo.weather->hours.front().time, 471204000);
    ASSERT_TRUE(demo.nowPlaying);
    EXPECT_TRUE(demo.device.media.isPlaying());
    EXPECT_EQ(demo.device.applications.size(), 9u);
    EXPECT_EQ(demo.device.switcherOrder.front(), "com.apple.mobilesafari");
    ASSERT_EQ(demo.alarms.size(), 1u);
    EXPECT_EQ(demo.alarms[0].hour, 7);
    EXPECT_TRUE(demo.device.wallpaper && demo.device.wallpaper->image);
}

TEST(DeviceProfile, LaysAFileOverTheDemoDeviceKeyByKey)
{
    ProfileFile file(R"({
        "systemVersion": "10.1",
        "orientation": "landscape",
        "now": "2016-03-27T01:30:00",
        "timeZone": "Europe/Paris",
        "battery": { "level": 0.05, "charging": true },
        "calls": { "phone": "incoming" },
        "weather": null,
        "nowPlaying": null,
        "wallpaper": null,
        "apps": [ { "bundleIdentifier": "com.example.notes" } ],
        "switcher": [ "com.example.notes" ],
        "timer": { "remaining": 90 },
        "missingClasses": [ "SBLockScreenViewController" ]
    })");
    auto profile = DeviceProfile::load(file.path());
    EXPECT_EQ(profile.device.systemVersion, "10.1");
    EXPECT_EQ(profile.device.orientation, 3);
    // 01:30 in Paris, an hour ahead of UTC until 2:00 that morning.
    EXPECT_EQ(profile.device.startTime, 480731400);
    EXPECT_FLOAT_EQ(profile.device.battery.level, 0.05f);
    EXPECT_TRUE(profile.device.battery.charging);
    EXPECT_EQ(profile.rawMaxCapacity, 1816);
    EXPECT_FALSE(profile.rawCurrentCapacity);
    EXPECT_TRUE(profile.device.phoneCall.incoming);
    EXPECT_FALSE(profile.device.faceTimeCall.incoming);
    EXPECT_FALSE(profile.weather);
    EXPECT_FALSE(profile.locationServicesEnabled);
    EXPECT_FALSE(profile.nowPlaying);
    EXPECT_FALSE(profile.device.media.isPlaying());
    EXPECT_FALSE(profile.device.wallpaper);
    ASSERT_EQ(profile.device.applications.size(), 1u);
    EXPECT_EQ(profile.device.applications[0].displayName, "com.example.notes");
    EXPECT_EQ(profile.device.switcherOrder, std::vector<std::string> { "com.example.notes" });
    EXPECT_EQ(profile.timer, 90);
    EXPECT_TRUE(profile.device.missingClasses.contains("SBLockScreenViewController"));
    EXPECT_EQ(profile.device.screenSize.width, 375);
}

TEST(DeviceProfile, TakesPicturesFromFilesBesideTheProfileOrDrawsGradients)
{
    ProfileFile file(R"({
        "wallpaper": "pictures/beach.png",
        "apps": [ { "bundleIdentifier": "com.example.notes", "icon": { "top": "#ff0000", "bottom": "#0000ff" } } ]
    })");
    std::filesystem::create_directories(file.path().parent_path() / "pictures");
    file.addPicture("pictures/beach.png", Bitmap(4, 2));
    auto profile = DeviceProfile::load(file.path());
    ASSERT_TRUE(profile.device.wallpaper && profile.device.wallpaper->image);
    EXPECT_EQ(profile.device.wallpaper->image->name(), "beach");
    EXPECT_EQ(profile.device.wallpaper->image->bitmap().width, 4u);
    auto& icon = profile.device.applications[0].icon;
    ASSERT_TRUE(icon);
    // 60 points at the demo's scale of 2, red at the top and blue at the bottom.
    EXPECT_EQ(icon->bitmap().width, 120u);
    EXPECT_EQ(icon->bitmap().pixel(0, 0)[0], 255);
    EXPECT_EQ(icon->bitmap().pixel(0, 119)[2], 255);
}

TEST(DeviceProfile, LoadsTheMediaPlayersQueueAndTheChosenApps)
{
    ProfileFile file(R"({
        "nowPlaying": {
            "queue": [ { "song": "One", "artist": "A" }, { "song": "Two", "album": "B", "artwork": null } ],
            "position": 2,
            "playing": false,
            "volume": 0.25
        },
        "appList": [ "com.apple.Music", "com.example.gone" ]
    })");
    auto profile = DeviceProfile::load(file.path());
    auto& media = profile.device.media;
    ASSERT_EQ(media.queue().size(), 2u);
    EXPECT_EQ(media.queue()[0].artist, "A");
    EXPECT_EQ(media.queue()[0].album, "");
    EXPECT_EQ(media.position(), 1u);
    EXPECT_FALSE(media.isPlaying());
    EXPECT_EQ(media.volume(), 0.25f);
    ASSERT_TRUE(profile.nowPlaying);
    EXPECT_EQ(profile.nowPlaying->song, "Two");
    EXPECT_EQ(profile.appList, (std::vector<std::string> { "com.apple.Music", "com.example.gone" }));

    auto demo = DeviceProfile::demo();
    EXPECT_EQ(demo.device.media.queue().size(), 3u);
    EXPECT_TRUE(demo.device.media.currentTrack()->artwork);
    EXPECT_FALSE(demo.appList) << "the demo leaves the disk as it is";

    ProfileFile empty(R"({ "nowPlaying": { "queue": [], "volume": 1 } })");
    auto nothing = DeviceProfile::load(empty.path());
    EXPECT_FALSE(nothing.nowPlaying);
    EXPECT_FALSE(nothing.device.media.isPlaying()) << "the demo's playing has nothing to play";
    EXPECT_EQ(nothing.device.media.volume(), 1.0f);

    std::string tooLong = R"({"nowPlaying": {"queue": [{})";
    for (int i = 0; i < 100; ++i)
        tooLong += ", {}";
    EXPECT_NE(loadError(tooLong + "]}}").find("nowPlaying.queue: expected a list of at most 100 tracks"),
        std::string::npos);
}

TEST(DeviceProfile, RejectsAFileNamingTheKeyAndWhatWasExpected)
{
    const std::pair<const char*, const char*> cases[] = {
        { R"({"battery": {"level": 0.5},})", "not JSON: parse error at line 1" },
        { R"([1, 2])", "expected a JSON object of profile keys" },
        { R"({"colour": "red"})", "colour: unknown key (expected one of systemVersion, model," },
        { R"({"battery": {"levle": 0.2}})", "battery.levle: unknown key (expected one of level, charging," },
        { R"({"battery": {"level": "full"}})",
            "battery.level: expected a number from 0 to 1, found \"full\"" },
        { R"({"screen": {"scale": 2.5}})", "screen.scale: expected a whole number from 1 to 3" },
        { R"({"orientation": "sideways"})",
            "orientation: expected one of \"portrait\", \"upside-down\", \"landscape\"" },
        { R"({"now": "2015-02-30T09:00:00"})",
            "now: expected a local date and time \"YYYY-MM-DDTHH:MM:SS\"" },
        { R"({"timeZone": "Mars/Olympus"})", "timeZone: expected an IANA time zone name" },
        { R"({"systemVersion": 9.3})", "systemVersion: expected a text, found 9.3" },
        { R"({"calls": {"faceTime": "ringing"}})",
            "calls.faceTime: expected one of \"none\", \"invited\", \"active\"" },
        { R"({"weather": {"condition": "Drizzle"}})", "weather.condition: expected one of \"Sunny\"" },
        { R"({"weather": {"hours": [{"temperature": 3}]}})",
            "weather.hours[0].condition: expected a text, found nothing" },
        { R"({"apps": [{"name": "Notes"}]})", "apps[0].bundleIdentifier: expected a text, found nothing" },
        { R"({"alarms": [{"time": "7:00"}]})", "alarms[0].time: expected a time of day \"HH:MM\"" },
        { R"({"alarms": [{"time": "24:00"}]})", "alarms[0].time: expected a time of day" },
        { R"({"systemVersion": "9..3"})", "systemVersion: expected a system version such as \"9.3\"" },
        { R"({"now": "2015-12-07 09:05:30"})", "now: expected a local date and time" },
        { R"({"wallpaper": "absent.png"})", "wallpaper: expected a PNG file" },
        { R"({"wallpaper": {"top": "#fff", "bottom": "#000000"}})",
            "wallpaper.top: expected a colour \"#rrggbb\"" },
        { R"({"switcher": [12]})", "switcher[0]: expected a text, found 12" },
        { R"({"nowPlaying": {"song": "One"}})", "nowPlaying.song: unknown key (expected one of queue," },
        { R"({"nowPlaying": {"queue": [{"title": "One"}]}})", "nowPlaying.queue[0].title: unknown key" },
        { R"({"nowPlaying": {"position": 4}})",
            "nowPlaying.position: expected a number from 1 to 3, found 4" },
        { R"({"nowPlaying": {"volume": 11}})", "nowPlaying.volume: expected a number from 0 to 1, found 11" },
        { R"({"nowPlaying": {"queue": [{"artwork": "absent.png"}]}})",
            "nowPlaying.queue[0].artwork: expected a PNG file" },
        { R"({"appList": ["com.apple.Music:Music"]})",
            "appList[0]: expected a bundle identifier (not empty, without \":\" or a line break)" },
        { R"({"appList": "com.apple.Music"})", "appList: expected a list" },
        { R"({"missingClasses": "SBUIController"})", "missingClasses: expected a list" },
    };
    for (auto& [json, message] : cases)
        EXPECT_NE(loadError(json).find(message), std::string::npos) << json << "\n" << loadError(json);
}

TEST(DeviceProfile, NamesAFileItCannotRead)
{
    try {
        DeviceProfile::load("/nonexistent/device.json");
        FAIL();
    } catch (const InputError& error) {
        EXPECT_STREQ(error.what(), "/nonexistent/device.json: cannot read the device profile");
    }
}

TEST(DeviceProfile, RejectsBadCalendarsEventsRemindersAndNotificationsNamingTheKey)
{
    const std::pair<const char*, const char*> cases[] = {
        { R"({"calendars": [{"title": "Work", "color": "#ff0000"}]})", "calendars[0].color: unknown key" },
        { R"({"calendars": [{"title": "Work", "colour": "red"}]})",
            "calendars[0].colour: expected a colour" },
        { R"({"calendars": [{"title": "A", "colour": "#ff0000"}, {"title": "A", "colour": "#00ff00"}], "events": []})",
            "calendars[1].title: expected a title no other calendar has" },
        { R"({"calendars": [{"title": "A", "colour": "#ff0000", "file": "absent.ics"}]})",
            "calendars[0].file: " },
        { R"({"events": [{"title": "Lunch", "start": "noon", "end": "13:00", "calendar": "Work"}]})",
            "events[0].start: expected a date \"YYYY-MM-DDTHH:MM[:SS]\" or one relative to the start" },
        { R"({"events": [{"title": "Lunch", "start": "13:00", "end": "12:00", "calendar": "Work"}]})",
            "events[0].end: expected a date not before the start" },
        { R"({"events": [{"title": "Lunch", "start": "12:00", "end": "13:00", "calendar": "Play"}]})",
            "events[0].calendar: expected the title of one of the profile's calendars" },
        { R"({"calendars": [], "events": [{"title": "Lunch", "start": "12:00", "end": "13:00"}]})",
            "events[0].calendar: expected a calendar's title (the profile has no calendars)" },
        { R"({"events": [{"title": "Lunch", "start": "2015-02-30T12:00", "end": "13:00", "calendar": "Work"}]})",
            "events[0].start: expected a date" },
        { R"({"reminders": [{"title": "Call", "due": "+1w"}]})", "reminders[0].due: expected a date" },
        { R"({"reminders": [{"title": "Call", "completed": "yes"}]})",
            "reminders[0].completed: expected true or false" },
        { R"({"reminders": [{"title": "Call", "calendar": "Work"}]})", "reminders[0].calendar: unknown key" },
        { R"({"notifications": [{"app": null, "title": "Orphan"}]})",
            "notifications[0].section: expected a section identifier for a notification without an app" },
        { R"({"notifications": [{"app": "com.apple.MobileSMS", "date": "+2d 25:00"}]})",
            "notifications[0].date: expected a date" },
        { R"({"notifications": [{"app": "com.apple.MobileSMS", "actions": "Reply"}]})",
            "notifications[0].actions: expected a list" },
        { R"({"notifications": [{"app": "com.apple.MobileSMS", "attachment": "absent.png"}]})",
            "notifications[0].attachment: expected a PNG file" },
        { R"({"notifications": [{"app": "com.apple.MobileSMS", "url": "sms:"}]})",
            "notifications[0].url: unknown key" },
    };
    for (auto& [json, message] : cases)
        EXPECT_NE(loadError(json).find(message), std::string::npos) << json << "\n" << loadError(json);
}

TEST(DeviceProfile, TheDemoDeviceHasABusyMorning)
{
    auto demo = DeviceProfile::demo();
    auto start = demo.device.startTime;
    auto underWay = std::count_if(demo.events.begin(), demo.events.end(),
        [&](auto& event) { return event.start <= start && event.end > start; });
    EXPECT_EQ(underWay, 1);
    EXPECT_EQ(demo.events.size(), 4u);
    EXPECT_EQ(
        std::count_if(demo.reminders.begin(), demo.reminders.end(), [](auto& r) { return !r.completed; }), 2);
    std::set<std::string> apps;
    for (auto& notification : demo.notifications)
        apps.insert(notification.app);
    EXPECT_EQ(demo.notifications.size(), 8u);
    EXPECT_EQ(apps.size(), 4u);
    EXPECT_EQ(std::count_if(
                  demo.notifications.begin(), demo.notifications.end(), [](auto& n) { return n.attachment; }),
        1);
}

TEST(DeviceProfile, ReadsACalendarFileBesideTheProfileWithDatesRelativeToNow)
{
    ProfileFile file(R"({"now": "2015-12-07T09:05:30", "timeZone": "UTC",
        "calendars": [{"title": "Gym", "colour": "#ff8800", "file": "gym.ics"}],
        "events": [{"title": "Run", "start": "+1d 07:00", "end": "+1d 07:45", "calendar": "Gym"}],
        "reminders": [{"title": "Stretch", "due": "-10m"}],
        "notifications": [{"app": null, "section": "alerts", "title": "Hello"}]})");
    std::ofstream(file.path().parent_path() / "gym.ics")
        << "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nUID:1\r\nSUMMARY:Swim\r\n"
           "DTSTART:20151207T180000Z\r\nRRULE:FREQ=WEEKLY\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
    auto profile = DeviceProfile::load(file.path());
    ASSERT_EQ(profile.calendars.size(), 1u);
    ASSERT_TRUE(profile.calendars[0].file);
    EXPECT_EQ(profile.calendars[0].file->eventCount(), 1u);
    EXPECT_DOUBLE_EQ(profile.calendars[0].green, 0x88 / 255.0);
    auto start = profile.device.startTime;
    EXPECT_EQ(profile.events.at(0).start, start - (9 * 3600 + 5 * 60 + 30) + 86400 + 7 * 3600);
    EXPECT_EQ(profile.reminders.at(0).due, start - 600);
    EXPECT_EQ(profile.notifications.at(0).section(), "alerts");
    EXPECT_EQ(profile.notifications.at(0).date, start);

    std::ofstream(file.path().parent_path() / "gym.ics")
        << "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nEND:VCALENDAR\r\n";
    EXPECT_NE(loadError(std::string(R"({"calendars": [{"title": "Gym", "colour": "#ff8800", "file": ")")
                  + (file.path().parent_path() / "gym.ics").string() + "\"}]}")
                  .find("calendars[0].file: "),
        std::string::npos);
}
