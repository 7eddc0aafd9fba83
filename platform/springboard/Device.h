#pragma once

#include "dispatch/RunLoop.h"
#include "springboard/MediaPlayer.h"
#include "uikit/CGGeometry.h"

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

class UIImage;

namespace springboard {

// The simulated device a host runs on: what SpringBoard would learn from the hardware and the
// system, and the state of its screen. Tests and the simulator describe it before boot; while
// the host runs they change it through SpringBoard's methods (setOrientation, setBattery,
// incomingCall, lock ...), which also make the host react as a real one would. The host's
// classes read it through currentDevice().
//
// What belongs to the hardware rather than to SpringBoard is only described here and loaded at
// boot into its own keeper, which the host then follows: the battery into iokit::Battery, the
// model and the apps into the support library's DeviceModel and DeviceApps. The Clock's
// countdown timer lives in the Clock store (mobiletimer::TimerManager).
struct Device {
    // The battery at boot; its level drifts and its rate and raw capacities live in iokit::Battery.
    struct Battery {
        // From 0 to 1.
        float level { 1 };
        bool charging { false };
        bool lowPowerMode { false };
    };
    // A phone call or a video call: ringing (for a video call, an invitation) or under way.
    struct Call {
        bool incoming { false };
        bool active { false };
    };
    // A picture: the image given, else the PNG at the path on the device's disk, else a picture
    // of the host's own.
    struct Wallpaper {
        std::string path;
        std::shared_ptr<UIImage> image;
    };
    struct StatusBar {
        std::string carrier { "Carrier" };
        bool showsBatteryPercentage { true };
    };
    struct Application {
        std::string bundleIdentifier;
        std::string displayName;
        // The icon: this image, else the PNG at this path on the device's disk, else one drawn
        // by the support library.
        std::shared_ptr<UIImage> icon {};
        std::string iconPath {};
    };

    std::string systemVersion { "9.3" };
    // The support library's model code and screen size code (orblib::DeviceModel): an iPhone 6.
    int model { 8 };
    int sizeCode { 3 };
    // Classes this system lacks: the host still has them for its own use, but looking them up
    // by name finds nothing, as on a system built without them.
    std::set<std::string> missingClasses;
    // In portrait, in points.
    CGSize screenSize { 375, 667 };
    CGFloat screenScale { 2 };
    // UIApplication's SpringBoard orientation: 1 portrait, 2 upside down, 3 and 4 landscape.
    int orientation { 1 };
    // The device's "now", seconds since 2001 (the run loop starts there).
    CFAbsoluteTime startTime { 471171930 }; // Monday 2015-12-07 09:05:30 UTC
    // An IANA name and a locale identifier.
    std::string timeZone { "UTC" };
    std::string locale { "en_US" };
    bool uses24HourTime { false };

    // Without a passcode, a home-button press on the lit lock screen unlocks.
    bool hasPasscode { false };
    bool locked { true };
    bool screenOn { true };
    Battery battery;
    Call phoneCall;
    Call faceTimeCall;
    // The media player, changed through SBMediaController; its track is published as the
    // support library's now-playing item (orblib::DeviceNowPlaying).
    MediaPlayer media;

    // The lock screen's picture, also the home screen's unless that has its own. Nothing: none.
    std::optional<Wallpaper> wallpaper { Wallpaper {} };
    std::optional<Wallpaper> homeScreenWallpaper;
    StatusBar statusBar;
    std::vector<Application> applications {
        { "com.apple.mobilecal", "Calendar" },
        { "com.apple.mobileslideshow", "Photos" },
        { "com.apple.camera", "Camera" },
        { "com.apple.weather", "Weather" },
        { "com.apple.mobiletimer", "Clock" },
        { "com.apple.Music", "Music" },
        { "com.apple.mobilesafari", "Safari" },
        { "com.apple.MobileSMS", "Messages" },
        { "com.apple.mobilemail", "Mail" },
        { "com.apple.reminders", "Reminders" },
    };
    // The app switcher's order: bundle identifiers, most recently used first.
    std::vector<std::string> switcherOrder { "com.apple.MobileSMS", "com.apple.mobilesafari",
        "com.apple.Music" };

    // The screen in the current orientation: landscape swaps the portrait size.
    CGRect screenBounds() const;
    bool isLandscape() const { return orientation == 3 || orientation == 4; }
    // 9.0 up to, not including, 10.0: the systems with the Today page and the search page.
    bool isSystemVersion9() const;
};

// The device of the host running now. Using it with no host running is a programming error
// (std::logic_error).
Device& currentDevice();

} // namespace springboard
