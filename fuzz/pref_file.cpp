// Feeds arbitrary bytes to the home screen as its preference file: reading it and every
// getter must neither crash nor break the getters' promises (counts never negative, colours and
// objects never nothing).
#include "foundation/DeviceFileSystem.h"
#include "foundation/NSData.h"
#include "objc/Runtime.h"
#include "orblib/OrbLib.h"
#include "settings/LMSettings.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

const char* const preferencePath = "/private/var/mobile/Library/Preferences/com.Orbelin.Lumora.plist";

// A temporary device with the support library loaded, for the whole run.
class FuzzDevice {
public:
    FuzzDevice()
    {
        auto pattern = (std::filesystem::temp_directory_path() / "lumora-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        m_root = pattern;
        std::filesystem::create_directories(m_root / "private/var/mobile/Library/Preferences");
        foundation::DeviceFileSystem::setRoot(m_root);
        objc::Runtime::beginProcess();
        orblib::registerClasses();
    }
    ~FuzzDevice()
    {
        std::error_code error;
        std::filesystem::remove_all(m_root, error);
    }

private:
    std::filesystem::path m_root;
};

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void readEveryGetter(const LMSettings& settings)
{
    require(settings.themeColor() != nullptr);
    settings.enabled();
    settings.location();
    settings.shouldShowStatusBar();
    settings.blurEnabled();
    settings.idleTimerDuration();
    settings.chronelOverlayEnabled();
    settings.militaryTime();
    require(settings.timeColor() != nullptr);
    settings.secondsEnabled();
    settings.showAlarmTimer();
    settings.chronelPauseResumeTimerEnabled();
    settings.chronelCancelTimerEnabled();
    settings.chronelTimerHourAndSeconds();
    require(settings.alarmTimerColor() != nullptr);
    settings.chronelResetLockScreenDim();
    settings.chronelHomeButtonCloseEnabled();
    settings.forecastOverlayEnabled();
    settings.temperatureScale();
    settings.forecastMilitaryTime();
    require(settings.weatherColor() != nullptr);
    settings.weatherUpdateRate();
    settings.forecastResetLockScreenDim();
    settings.forecastHomeButtonCloseEnabled();
    settings.forecastErrorMessageEnabled();
    settings.ampiroEnabled();
    settings.ampiroOverlayEnabled();
    require(settings.ampiroThemeColor() != nullptr);
    settings.ampiroResetLockScreenDim();
    settings.ampiroHomeButtonCloseEnabled();
    settings.kalendoEnabled();
    settings.kalendoOverlayEnabled();
    settings.kalendoDaysFromNow();
    require(settings.kalendoMaxEvents() >= 0);
    require(settings.kalendoMaxReminders() >= 0);
    require(settings.calendarBlacklist() != nullptr);
    settings.kalendoPrivacyModeEnabled();
    settings.kalendoCalendarColorsEnabled();
    settings.kalendoStrongerColorEnabled();
    settings.autoColorEventSectionEnabled();
    settings.kalendoCollapseEnabled();
    settings.nothingScheduledLabelEnabled();
    settings.somethingScheduledLabelEnabled();
    settings.kalendoResetLockScreenDim();
    settings.kalendoHomeButtonCloseEnabled();
    settings.missivaEnabled();
    settings.missivaOverlayEnabled();
    settings.missivaLaunchEnabled();
    settings.missivaPrivacyModeEnabled();
    settings.missivaStrongerColorEnabled();
    settings.autoColorNotificationSectionEnabled();
    settings.missivaCollapseEnabled();
    settings.dismissAllNotificationsButtonEnabled();
    settings.noNotificationsLabelEnabled();
    settings.hasNotificationsLabelEnabled();
    settings.missivaResetLockScreenDim();
    settings.missivaHomeButtonCloseEnabled();
    settings.skipraEnabled();
    require(settings.addAppBundleID() != nullptr);
    settings.appLauncherShape();
    settings.useCustomApps();
    settings.melodraEnabled();
    settings.melodraOverlayEnabled();
    settings.melodraQuickGesturesEnabled();
    settings.autoColorMelodraSectionEnabled();
    settings.autoColorMelodraOverlayEnabled();
    settings.melodraResetLockScreenDim();
    settings.melodraHomeButtonCloseEnabled();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static FuzzDevice device;
    require(NSData(std::vector<std::uint8_t>(data, data + size)).writeToFile(preferencePath, false));
    auto settings = LMSettings::sharedInstance();
    settings->reload();
    readEveryGetter(*settings);
    return 0;
}
