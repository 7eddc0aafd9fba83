// Not yet tested: the hooks that call reload (they arrive with the hook behaviour).
#include "settings/LMSettings.h"

#include "contracts/OBPreferenceManager.h"
#include "foundation/NSArray.h"
#include "foundation/NSData.h"
#include "foundation/NSDictionary.h"
#include "foundation/NSNumber.h"
#include "foundation/NSPropertyListSerialization.h"
#include "foundation/NSString.h"
#include "orblib/OrbLib.h"
#include "support/BinaryPlistBuilder.h"
#include "support/TemporaryDeviceRoot.h"
#include "uikit/UIColor.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>

namespace {

const char* const preferencePath = "/private/var/mobile/Library/Preferences/com.Orbelin.Lumora.plist";

std::string describe(bool value)
{
    return value ? "true" : "false";
}
std::string describe(int value)
{
    return std::to_string(value);
}
std::string describe(double value)
{
    return objc::format("%g", value);
}
std::string describe(const std::shared_ptr<UIColor>& color)
{
    return color ? color->hexString() : "nothing";
}
std::string describe(const std::shared_ptr<NSObject>& object)
{
    if (auto text = objc::cast<NSString>(object))
        return '"' + text->UTF8String() + '"';
    return object ? object->className() : "nothing";
}

template <auto getter> std::string readGetter(const LMSettings& settings)
{
    return describe((settings.*getter)());
}

struct Getter {
    const char* key;
    std::string (*read)(const LMSettings&);
    const char* fallback; // as described
    const char* stored; // text stored in the file by the round-trip test
    const char* storedRead;
};

#define GETTER(name, fallback, stored, storedRead)                                                           \
    Getter(#name, readGetter<&LMSettings::name>, fallback, stored, storedRead)
#define SWITCH_ON(name) GETTER(name, "true", "NO", "false")
#define SWITCH_OFF(name) GETTER(name, "false", "YES", "true")
#define COLOUR(name) GETTER(name, "#ffffffff", "#102030", "#102030ff")

const Getter getters[] = {
    SWITCH_ON(enabled),
    GETTER(location, "1", "3", "3"),
    SWITCH_ON(shouldShowStatusBar),
    SWITCH_ON(blurEnabled),
    GETTER(idleTimerDuration, "60", "0.5", "0.5"),
    SWITCH_ON(chronelOverlayEnabled),
    SWITCH_OFF(militaryTime),
    COLOUR(timeColor),
    SWITCH_OFF(secondsEnabled),
    SWITCH_ON(showAlarmTimer),
    SWITCH_ON(chronelPauseResumeTimerEnabled),
    SWITCH_ON(chronelCancelTimerEnabled),
    SWITCH_ON(chronelTimerHourAndSeconds),
    COLOUR(alarmTimerColor),
    SWITCH_ON(chronelResetLockScreenDim),
    SWITCH_OFF(chronelHomeButtonCloseEnabled),
    SWITCH_ON(forecastOverlayEnabled),
    GETTER(temperatureScale, "1", "2", "2"),
    SWITCH_OFF(forecastMilitaryTime),
    COLOUR(weatherColor),
    GETTER(weatherUpdateRate, "1800", "600", "600"),
    SWITCH_ON(forecastResetLockScreenDim),
    SWITCH_OFF(forecastHomeButtonCloseEnabled),
    SWITCH_ON(forecastErrorMessageEnabled),
    SWITCH_ON(ampiroEnabled),
    SWITCH_ON(ampiroOverlayEnabled),
    COLOUR(ampiroThemeColor),
    SWITCH_ON(ampiroResetLockScreenDim),
    SWITCH_OFF(ampiroHomeButtonCloseEnabled),
    SWITCH_ON(kalendoEnabled),
    SWITCH_ON(kalendoOverlayEnabled),
    GETTER(kalendoDaysFromNow, "7", "3", "3"),
    GETTER(kalendoMaxEvents, "99", "250", "250"),
    GETTER(kalendoMaxReminders, "99", "5", "5"),
    GETTER(calendarBlacklist, "\"\"", "Work, Birthdays", "\"Work, Birthdays\""),
    SWITCH_OFF(kalendoPrivacyModeEnabled),
    SWITCH_ON(kalendoCalendarColorsEnabled),
    SWITCH_OFF(kalendoStrongerColorEnabled),
    SWITCH_ON(autoColorEventSectionEnabled),
    SWITCH_ON(kalendoCollapseEnabled),
    SWITCH_ON(nothingScheduledLabelEnabled),
    SWITCH_ON(somethingScheduledLabelEnabled),
    SWITCH_ON(kalendoResetLockScreenDim),
    SWITCH_OFF(kalendoHomeButtonCloseEnabled),
    SWITCH_ON(missivaEnabled),
    SWITCH_ON(missivaOverlayEnabled),
    SWITCH_ON(missivaLaunchEnabled),
    SWITCH_OFF(missivaPrivacyModeEnabled),
    SWITCH_OFF(missivaStrongerColorEnabled),
    SWITCH_ON(autoColorNotificationSectionEnabled),
    SWITCH_ON(missivaCollapseEnabled),
    SWITCH_OFF(dismissAllNotificationsButtonEnabled),
    SWITCH_ON(noNotificationsLabelEnabled),
    SWITCH_ON(hasNotificationsLabelEnabled),
    SWITCH_ON(missivaResetLockScreenDim),
    SWITCH_OFF(missivaHomeButtonCloseEnabled),
    SWITCH_ON(skipraEnabled),
    GETTER(addAppBundleID, "\"YES\"", "com.example", "\"com.example\""),
    GETTER(appLauncherShape, "2", "1", "1"),
    SWITCH_OFF(useCustomApps),
    SWITCH_ON(melodraEnabled),
    SWITCH_ON(melodraOverlayEnabled),
    SWITCH_ON(melodraQuickGesturesEnabled),
    SWITCH_ON(autoColorMelodraSectionEnabled),
    SWITCH_ON(autoColorMelodraOverlayEnabled),
    SWITCH_ON(melodraResetLockScreenDim),
    SWITCH_OFF(melodraHomeButtonCloseEnabled),
};

class ThrowingPreferenceManager : public NSObject, public contracts::OBPreferenceManager {
    OBJC_CLASS(ThrowingPreferenceManager, NSObject)
public:
    std::shared_ptr<NSObject> valueForkey(const std::string&, const std::string&) const override
    {
        throw std::runtime_error("the preference manager failed");
    }
};

std::shared_ptr<NSObject> makeThrowingManager(Class, SEL, std::string)
{
    return std::make_shared<ThrowingPreferenceManager>();
}

class LMSettingsTest : public testing::Test {
protected:
    void SetUp() override
    {
        objc::Runtime::beginProcess();
        orblib::registerClasses();
    }

    // Writes an XML preference file holding the given <key>/value elements.
    void writePreferences(std::string_view entries) const
    {
        m_device.write(preferencePath,
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>" + std::string(entries)
                + "</dict></plist>");
    }

    static std::string entry(std::string_view key, std::string_view value)
    {
        return "<key>" + std::string(key) + "</key>" + std::string(value);
    }

    static std::shared_ptr<LMSettings> settings() { return std::make_shared<LMSettings>(); }

    TemporaryDeviceRoot m_device;
};

} // namespace

TEST_F(LMSettingsTest, EveryGetterAnswersItsFallbackWithoutAFile)
{
    auto fresh = settings();
    for (const auto& getter : getters)
        EXPECT_EQ(getter.read(*fresh), getter.fallback) << getter.key;
    EXPECT_EQ(describe(fresh->themeColor()), "#ffffffff");
}

TEST_F(LMSettingsTest, EveryGetterReadsItsOwnKey)
{
    std::string entries;
    for (const auto& getter : getters)
        entries += entry(getter.key, "<string>" + std::string(getter.stored) + "</string>");
    writePreferences(entries + entry("themeColor", "<string>#000000</string>"));
    auto loaded = settings();
    for (const auto& getter : getters)
        EXPECT_EQ(getter.read(*loaded), getter.storedRead) << getter.key;
    EXPECT_EQ(describe(loaded->themeColor()), "#ffffffff") << "themeColor reads no key";
}

TEST_F(LMSettingsTest, ConvertsStoredTextAndNumbers)
{
    struct {
        const char* key;
        const char* value;
        std::string (*read)(const LMSettings&);
        const char* expected;
    } cases[] = {
        { "enabled", "<integer>0</integer>", readGetter<&LMSettings::enabled>, "false" },
        { "enabled", "<string>abc</string>", readGetter<&LMSettings::enabled>, "false" },
        { "enabled", "<string>  yes</string>", readGetter<&LMSettings::enabled>, "true" },
        { "enabled", "<false/>", readGetter<&LMSettings::enabled>, "false" },
        { "militaryTime", "<true/>", readGetter<&LMSettings::militaryTime>, "true" },
        { "militaryTime", "<real>0.5</real>", readGetter<&LMSettings::militaryTime>, "true" },
        { "militaryTime", "<string>1</string>", readGetter<&LMSettings::militaryTime>, "true" },
        { "location", "<string>3abc</string>", readGetter<&LMSettings::location>, "3" },
        { "location", "<string>7</string>", readGetter<&LMSettings::location>, "7" },
        { "location", "<real>2.9</real>", readGetter<&LMSettings::location>, "2" },
        { "location", "<string>abc</string>", readGetter<&LMSettings::location>, "0" },
        { "location", "<string>99999999999</string>", readGetter<&LMSettings::location>, "2147483647" },
        { "weatherUpdateRate", "<string>0</string>", readGetter<&LMSettings::weatherUpdateRate>, "0" },
        { "weatherUpdateRate", "<integer>7</integer>", readGetter<&LMSettings::weatherUpdateRate>, "7" },
        { "idleTimerDuration", "<string>abc</string>", readGetter<&LMSettings::idleTimerDuration>, "0" },
        { "timeColor", "<string>#FF0000</string>", readGetter<&LMSettings::timeColor>, "#ff0000ff" },
        { "timeColor", "<string>red</string>", readGetter<&LMSettings::timeColor>, "#ffffffff" },
    };
    for (const auto& testCase : cases) {
        writePreferences(entry(testCase.key, testCase.value));
        EXPECT_EQ(testCase.read(*settings()), testCase.expected) << testCase.key << " = " << testCase.value;
    }
}

TEST_F(LMSettingsTest, DurationsAreReadInSinglePrecision)
{
    writePreferences(
        entry("idleTimerDuration", "<string>0.1</string>") + entry("weatherUpdateRate", "<real>0.1</real>"));
    auto loaded = settings();
    EXPECT_EQ(loaded->idleTimerDuration(), static_cast<double>(0.1f));
    EXPECT_EQ(loaded->weatherUpdateRate(), static_cast<double>(0.1f));
}

TEST_F(LMSettingsTest, MaximumCountsAreNeverNegative)
{
    writePreferences(entry("kalendoMaxEvents", "<string>-5</string>")
        + entry("kalendoMaxReminders", "<integer>-5</integer>"));
    auto loaded = settings();
    EXPECT_EQ(loaded->kalendoMaxEvents(), 0);
    EXPECT_EQ(loaded->kalendoMaxReminders(), 0);
}

TEST_F(LMSettingsTest, MaximumCountsAnswerNinetyNineWhenThePreferenceManagerFails)
{
    writePreferences(entry("kalendoMaxEvents", "<string>5</string>"));
    auto loaded = settings();
    objc_getClass("OBPreferenceManager")
        ->addClassMethod(contracts::OBPreferenceManager::initWithContentsOfFile, &makeThrowingManager);
    EXPECT_EQ(loaded->kalendoMaxEvents(), 5);
    loaded->reload();
    EXPECT_EQ(loaded->kalendoMaxEvents(), 99);
    EXPECT_EQ(loaded->kalendoMaxReminders(), 99);
    EXPECT_THROW(loaded->enabled(), std::runtime_error) << "only the two maximum getters guard";
}

TEST_F(LMSettingsTest, ValuesThatCannotBeConvertedAnswerTheFallback)
{
    writePreferences(entry("enabled", "<array><string>NO</string></array>") + entry("location", "<dict/>")
        + entry("idleTimerDuration", "<data>AAE=</data>") + entry("timeColor", "<integer>0</integer>")
        + entry("kalendoMaxEvents", "<array/>") + entry("calendarBlacklist", "<array/>"));
    auto loaded = settings();
    EXPECT_TRUE(loaded->enabled());
    EXPECT_EQ(loaded->location(), 1);
    EXPECT_EQ(loaded->idleTimerDuration(), 60.0);
    EXPECT_EQ(describe(loaded->timeColor()), "#ffffffff");
    EXPECT_EQ(loaded->kalendoMaxEvents(), 99);
    EXPECT_EQ(describe(loaded->calendarBlacklist()), "NSArray") << "the stored object itself";
}

TEST_F(LMSettingsTest, KeepsTheOldValuesUntilReload)
{
    writePreferences(entry("enabled", "<string>NO</string>"));
    auto loaded = settings();
    writePreferences(entry("location", "<string>2</string>"));
    EXPECT_FALSE(loaded->enabled());
    EXPECT_EQ(loaded->location(), 1);
    loaded->reload();
    EXPECT_TRUE(loaded->enabled());
    EXPECT_EQ(loaded->location(), 2);
    std::filesystem::remove(m_device.hostPath(preferencePath));
    EXPECT_EQ(loaded->location(), 2);
    loaded->reload();
    EXPECT_EQ(loaded->location(), 1);
}

TEST_F(LMSettingsTest, ReadsBinaryPreferenceFiles)
{
    NSDictionary preferences({
        { "enabled", NSNumber::numberWithBool(false) },
        { "location", NSNumber::numberWithInteger(4) },
        { "kalendoMaxEvents", NSNumber::numberWithInteger(-5) },
        { "weatherColor", std::make_shared<NSString>("#00ff00") },
    });
    auto data
        = NSPropertyListSerialization::dataWithPropertyList(preferences, NSPropertyListBinaryFormat_v1_0);
    ASSERT_NE(data, nullptr);
    m_device.write(preferencePath, std::string(data->bytes().begin(), data->bytes().end()));
    auto loaded = settings();
    EXPECT_FALSE(loaded->enabled());
    EXPECT_EQ(loaded->location(), 4);
    EXPECT_EQ(loaded->kalendoMaxEvents(), 0);
    EXPECT_EQ(describe(loaded->weatherColor()), "#00ff00ff");
}

TEST_F(LMSettingsTest, MalformedOrTooDeepFilesAnswerTheFallbacks)
{
    const std::string files[] = {
        "<plist><dict><key>enabled</key><string>NO</string>",
        "bplist00 not really",
        nestedArraysBinary(100000),
        nestedArraysXML(100000),
    };
    for (const auto& contents : files) {
        m_device.write(preferencePath, contents);
        auto loaded = settings();
        for (const auto& getter : getters)
            EXPECT_EQ(getter.read(*loaded), getter.fallback)
                << getter.key << " from " << contents.substr(0, 40);
    }
}

TEST_F(LMSettingsTest, AnswersTheFallbacksWhenTheSupportLibraryIsMissing)
{
    writePreferences(entry("enabled", "<string>NO</string>"));
    objc::Runtime::beginProcess();
    auto loaded = settings();
    for (const auto& getter : getters)
        EXPECT_EQ(getter.read(*loaded), getter.fallback) << getter.key;
}

TEST_F(LMSettingsTest, OneSharedInstancePerProcessReadingTheFileWhenMade)
{
    writePreferences(entry("location", "<string>2</string>"));
    auto shared = LMSettings::sharedInstance();
    EXPECT_EQ(shared, LMSettings::sharedInstance());
    EXPECT_EQ(shared->location(), 2);
    std::shared_ptr<LMSettings> fromOtherThread;
    std::thread([&] { fromOtherThread = LMSettings::sharedInstance(); }).join();
    EXPECT_EQ(fromOtherThread, shared);
}

TEST_F(LMSettingsTest, GettersOnAnotherThreadSurviveReloads)
{
    writePreferences(entry("kalendoDaysFromNow", "<string>3</string>"));
    auto shared = LMSettings::sharedInstance();
    std::atomic<bool> done { false };
    std::atomic<int> unexpected { 0 };
    std::thread reader([&] {
        while (!done) {
            if (shared->kalendoDaysFromNow() != 3 || shared->calendarBlacklist() == nullptr)
                ++unexpected;
        }
    });
    for (int i = 0; i < 300; ++i)
        shared->reload();
    done = true;
    reader.join();
    EXPECT_EQ(unexpected, 0);
}
