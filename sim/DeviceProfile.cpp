#include "DeviceProfile.h"

#include "DemoDevice.h"
#include "InputError.h"
#include "NowPlayingProfile.h"
#include "ProfileDate.h"
#include "ProfilePicture.h"
#include "ProfileReader.h"
#include "ProfileText.h"
#include "ScheduleProfile.h"

#include "eventkit/DeviceCalendars.h"

#include "foundation/NSCalendar.h"
#include "orblib/AppListFile.h"

#include <cmath>
#include <fstream>
#include <iterator>
#include <optional>
#include <string_view>
#include <vector>

namespace {

using nlohmann::json;

constexpr CGFloat iconSide = 60;
// A home screen's worth and more; each app is drawn and kept for the process's life.
constexpr size_t maximumApps = 200;
// Four times the largest phone's; each picture of the screen is four bytes a pixel.
constexpr long long maximumScreenPixels = 16'000'000;

constexpr orblib::WeatherCondition conditions[] = {
    orblib::WeatherCondition::Sunny,
    orblib::WeatherCondition::Clear,
    orblib::WeatherCondition::PartlyCloudy,
    orblib::WeatherCondition::Cloudy,
    orblib::WeatherCondition::Rain,
    orblib::WeatherCondition::Thunderstorms,
    orblib::WeatherCondition::Snow,
    orblib::WeatherCondition::Fog,
    orblib::WeatherCondition::Windy,
};

// Objects merge key by key; anything else in the overlay replaces what lies under it.
void mergeOver(json& base, const json& overlay)
{
    if (!base.is_object() || !overlay.is_object()) {
        base = overlay;
        return;
    }
    for (auto& [key, value] : overlay.items())
        mergeOver(base[key], value);
}

json parseJSON(std::string_view text, const std::string& file)
{
    ProfileText::check(text, file);
    try {
        return json::parse(text);
    } catch (const json::exception& error) {
        std::string message = error.what();
        if (auto end = message.find("] "); message.starts_with("[json.exception") && end != std::string::npos)
            message = message.substr(end + 2);
        throw InputError(file + ": not JSON: " + message);
    }
}

std::shared_ptr<NSTimeZone> timeZone(const ProfileReader& reader)
{
    auto zone = NSTimeZone::timeZoneWithName(reader.text());
    if (!zone)
        reader.fail("an IANA time zone name such as \"Europe/Paris\"");
    return zone;
}

CFAbsoluteTime localTime(const ProfileReader& reader, const std::shared_ptr<NSTimeZone>& zone)
{
    if (ProfileDate::numbersIn(reader.text(), "dddd-dd-ddTdd:dd:dd")) {
        if (auto time = ProfileDate::parse(reader.text())->resolve(0, zone))
            return *time;
    }
    reader.fail("a local date and time \"YYYY-MM-DDTHH:MM:SS\"");
}

std::string systemVersion(const ProfileReader& reader)
{
    auto text = reader.text();
    // Numbers separated by single dots.
    bool valid = !text.empty() && text.front() != '.' && text.back() != '.'
        && text.find("..") == std::string::npos && text.find_first_not_of("0123456789.") == std::string::npos;
    if (!valid)
        reader.fail("a system version such as \"9.3\"");
    return text;
}

orblib::WeatherCondition condition(const ProfileReader& reader)
{
    std::string names;
    if (reader.text().empty())
        reader.fail("a weather condition");
    for (auto condition : conditions) {
        if (reader.text() == orblib::conditionName(condition))
            return condition;
        names += (names.empty() ? "\"" : ", \"") + std::string(orblib::conditionName(condition)) + "\"";
    }
    reader.fail("one of " + names);
}

double temperature(const ProfileReader& reader)
{
    return reader.number(-100, 100);
}

springboard::Device::Call call(const ProfileReader& reader, std::string_view ringing)
{
    auto state = reader.oneOf({ "none", ringing, "active" });
    return { state == ringing, state == "active" };
}

orblib::WeatherReport weather(const ProfileReader& reader, CFAbsoluteTime now)
{
    orblib::WeatherReport report;
    report.cityName = reader["city"].text();
    report.condition = condition(reader["condition"]);
    report.temperature = temperature(reader["temperature"]);
    report.high = temperature(reader["high"]);
    report.low = temperature(reader["low"]);
    // The hours begin at the next full hour, the days today.
    auto nextHour = (std::floor(now / 3600) + 1) * 3600;
    for (auto& hour : reader["hours"].items()) {
        hour.expectKeys({ "temperature", "condition" });
        report.hours.push_back({ nextHour + 3600.0 * report.hours.size(), temperature(hour["temperature"]),
            condition(hour["condition"]) });
    }
    for (auto& day : reader["days"].items()) {
        day.expectKeys({ "high", "low", "condition" });
        report.days.push_back({ now + 86400.0 * report.days.size(), temperature(day["high"]),
            temperature(day["low"]), condition(day["condition"]) });
    }
    return report;
}

DeviceProfile::Alarm alarm(const ProfileReader& reader)
{
    reader.expectKeys({ "time", "title", "enabled" });
    auto time = ProfileDate::numbersIn(reader["time"].text(), "dd:dd");
    if (!time || (*time)[0] > 23 || (*time)[1] > 59)
        reader["time"].fail("a time of day \"HH:MM\"");
    DeviceProfile::Alarm alarm;
    alarm.hour = (*time)[0];
    alarm.minute = (*time)[1];
    alarm.title = reader.has("title") ? reader["title"].text() : "Alarm";
    alarm.enabled = reader.has("enabled") ? reader["enabled"].flag() : true;
    return alarm;
}

void readBattery(const ProfileReader& reader, DeviceProfile& profile)
{
    reader.expectKeys(
        { "level", "charging", "lowPower", "rawCurrentCapacity", "rawMaxCapacity", "ratePerHour" });
    profile.device.battery.level = static_cast<float>(reader["level"].number(0, 1));
    profile.device.battery.charging = reader["charging"].flag();
    profile.device.battery.lowPowerMode = reader["lowPower"].flag();
    if (auto maximum = reader["rawMaxCapacity"]; !maximum.isNull())
        profile.rawMaxCapacity = maximum.whole(0, 100000);
    if (auto current = reader["rawCurrentCapacity"]; !current.isNull())
        profile.rawCurrentCapacity = current.whole(0, profile.rawMaxCapacity.value_or(100000));
    profile.ratePerHour = reader["ratePerHour"].number(-1, 1);
}

void readApps(const ProfileReader& reader, const std::string& folder, springboard::Device& device)
{
    device.applications.clear();
    auto apps = reader["apps"].items();
    if (apps.size() > maximumApps)
        reader["apps"].fail("at most " + std::to_string(maximumApps) + " apps, not " + std::to_string(apps.size()));
    for (auto& entry : apps) {
        entry.expectKeys({ "bundleIdentifier", "name", "icon" });
        springboard::Device::Application app;
        app.bundleIdentifier = entry["bundleIdentifier"].text();
        app.displayName = entry.has("name") ? entry["name"].text() : app.bundleIdentifier;
        if (entry.has("icon") && !entry["icon"].isNull())
            app.icon = ProfilePicture::read(entry["icon"], folder)
                           .image(CGSizeMake(iconSide, iconSide), device.screenScale);
        device.applications.push_back(std::move(app));
    }
    device.switcherOrder.clear();
    auto switcher = reader["switcher"].items();
    if (switcher.size() > maximumApps)
        reader["switcher"].fail(
            "at most " + std::to_string(maximumApps) + " apps, not " + std::to_string(switcher.size()));
    for (auto& entry : switcher)
        device.switcherOrder.push_back(entry.text());
}

std::optional<std::vector<std::string>> appList(const ProfileReader& reader)
{
    if (reader.isNull())
        return std::nullopt;
    std::vector<std::string> identifiers;
    for (auto& entry : reader.items()) {
        identifiers.push_back(entry.text());
        if (!orblib::AppListFile::canHold(identifiers.back()))
            entry.fail("a bundle identifier (not empty, without \":\" or a line break)");
    }
    return identifiers;
}

void readMedia(const ProfileReader& reader, const std::string& folder, DeviceProfile& profile)
{
    if (auto weatherReader = reader["weather"]; !weatherReader.isNull()) {
        weatherReader.expectKeys(
            { "locationServices", "city", "condition", "temperature", "high", "low", "hours", "days" });
        profile.locationServicesEnabled = weatherReader["locationServices"].flag();
        profile.weather = weather(weatherReader, profile.device.startTime);
    }
    profile.device.media = NowPlayingProfile::read(reader["nowPlaying"], folder);
    if (auto* track = profile.device.media.currentTrack())
        profile.nowPlaying = *track;
}

DeviceProfile read(const json& value, const std::string& file, const std::string& folder)
{
    ProfileReader reader(value, file);
    reader.expectKeys({ "systemVersion", "model", "sizeCode", "screen", "orientation", "now", "timeZone",
        "locale", "uses24HourTime", "locked", "screenOn", "passcode", "statusBar", "battery", "calls",
        "wallpaper", "weather", "nowPlaying", "apps", "switcher", "appList", "alarms", "timer",
        "missingClasses", "calendars", "events", "reminders", "notifications" });
    DeviceProfile profile;
    auto& device = profile.device;
    device.systemVersion = systemVersion(reader["systemVersion"]);
    device.model = reader["model"].whole(0, 1000);
    device.sizeCode = reader["sizeCode"].whole(0, 1000);

    auto screen = reader["screen"];
    screen.expectKeys({ "width", "height", "scale" });
    device.screenSize = CGSizeMake(screen["width"].number(100, 4096), screen["height"].number(100, 4096));
    device.screenScale = screen["scale"].whole(1, 3);
    auto pixels = device.screenSize.width * device.screenSize.height * device.screenScale * device.screenScale;
    if (pixels > static_cast<double>(maximumScreenPixels))
        screen.fail("a screen of at most " + std::to_string(maximumScreenPixels)
            + " pixels, width times height times scale squared (this one has "
            + std::to_string(static_cast<long long>(pixels)) + ")");
    auto orientation = reader["orientation"].oneOf({ "portrait", "upside-down", "landscape" });
    device.orientation = orientation == "portrait" ? 1 : orientation == "upside-down" ? 2 : 3;

    auto zone = timeZone(reader["timeZone"]);
    device.timeZone = zone->name();
    device.startTime = localTime(reader["now"], zone);
    device.locale = reader["locale"].text();
    device.uses24HourTime = reader["uses24HourTime"].flag();
    device.locked = reader["locked"].flag();
    device.screenOn = reader["screenOn"].flag();
    device.hasPasscode = reader["passcode"].flag();
    auto statusBar = reader["statusBar"];
    statusBar.expectKeys({ "carrier", "batteryPercentage" });
    device.statusBar.carrier = statusBar["carrier"].text();
    device.statusBar.showsBatteryPercentage = statusBar["batteryPercentage"].flag();

    readBattery(reader["battery"], profile);
    auto calls = reader["calls"];
    calls.expectKeys({ "phone", "faceTime" });
    device.phoneCall = call(calls["phone"], "incoming");
    device.faceTimeCall = call(calls["faceTime"], "invited");

    device.wallpaper.reset();
    if (auto wallpaper = reader["wallpaper"]; !wallpaper.isNull())
        device.wallpaper = springboard::Device::Wallpaper { {},
            ProfilePicture::read(wallpaper, folder).image(device.screenSize, device.screenScale) };
    readMedia(reader, folder, profile);
    readApps(reader, folder, device);
    profile.appList = appList(reader["appList"]);
    for (auto& entry : reader["alarms"].items())
        profile.alarms.push_back(alarm(entry));
    if (auto timer = reader["timer"]; !timer.isNull()) {
        timer.expectKeys({ "remaining" });
        profile.timer = timer["remaining"].number(0, 360000);
    }
    for (auto& name : reader["missingClasses"].items())
        device.missingClasses.insert(name.text());
    ScheduleProfile::read(reader, folder, profile);
    return profile;
}

} // namespace

void DeviceProfile::installDeviceStores() const
{
    eventkit::DeviceCalendars::set(calendars, events, reminders);
    orblib::DeviceNotifications::set(notifications);
}

DeviceProfile DeviceProfile::demo()
{
    return read(parseJSON(DemoDevice::json(), DemoDevice::fileName), DemoDevice::fileName, ".");
}

DeviceProfile DeviceProfile::load(const std::filesystem::path& path)
{
    std::error_code error;
    std::ifstream file(path, std::ios::binary);
    if (!std::filesystem::is_regular_file(path, error) || !file)
        throw InputError(path.string() + ": cannot read the device profile");
    auto size = std::filesystem::file_size(path, error);
    if (!error && size > ProfileText::maximumSize)
        throw InputError(path.string() + ": a profile of " + std::to_string(size) + " bytes (at most "
            + std::to_string(ProfileText::maximumSize) + ")");
    std::string text { std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>() };
    auto overlay = parseJSON(text, path.string());
    if (!overlay.is_object())
        throw InputError(path.string() + ": expected a JSON object of profile keys");
    auto profile = parseJSON(DemoDevice::json(), DemoDevice::fileName);
    mergeOver(profile, overlay);
    return read(profile, path.string(), path.parent_path().string());
}
