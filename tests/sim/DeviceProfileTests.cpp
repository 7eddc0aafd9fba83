#include "DeviceProfile.h"
#include "InputError.h"

#include "uikit/PNGFile.h"
#include "uikit/UIImage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

// A profile file in a temporary folder for the life of the object.
class ProfileFile {
public:
    explicit ProfileFile(const std::string& json)
    {
        auto pattern = (std::filesystem::temp_directory_path() / "lumora-profile-XXXXXX").string();
        m_folder = mkdtemp(pattern.data());
        std::ofstream(path()) << json;
    }
    ~ProfileFile() { std::filesystem::remove_all(m_folder); }

    std::filesystem::path path() const { return m_folder / "device.json"; }
    void addPicture(const std::string& name, const Bitmap& bitmap) const
    {
        auto bytes = PNGFile::encode(bitmap);
        std::ofstream(m_folder / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

private:
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
    EXPECT_TRUE(demo.device.musicPlaying);
    EXPECT_EQ(demo.device.applications.size(), 8u);
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
    EXPECT_FALSE(profile.device.musicPlaying);
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
