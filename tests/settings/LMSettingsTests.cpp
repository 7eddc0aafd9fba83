// Not yet tested: the hooks that call reload (they arrive with the hook behaviour).
#include "settings/LMSettings.h"

#include "contracts/OBPreferenceManager.h"
#include "contracts/PreferenceFilePath.h"
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
#include <cstdio>
#include <map>
#include <stdexcept>
#include <thread>

namespace {

const char* const preferencePath = contracts::preferenceFilePath;

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

// Each getter made from the table, found by its key.
const std::map<std::string_view, std::string (*)(const LMSettings&)> getters {
#define READ_GETTER(name, fallback) { #name, readGetter<&LMSettings::name> },
    LM_SETTINGS_TABLE(READ_GETTER, READ_GETTER, READ_GETTER, READ_GETTER, READ_GETTER, READ_GETTER)
#undef READ_GETTER
};

std::string read(const LMSettings& settings, const LMSetting& setting)
{
    return getters.at(setting.key())(settings);
}

// What a getter answers for its fallback, described as the getters' answers are.
struct DescribeFallback {
    std::string operator()(bool value) const { return describe(value); }
    std::string operator()(int value) const { return describe(value); }
    std::string operator()(double value) const
    {
        return describe(static_cast<double>(static_cast<float>(value)));
    }
    std::string operator()(LMSettingColour colour) const
    {
        char text[16];
        std::snprintf(text, sizeof text, "#%06xff", static_cast<unsigned>(colour.rgb));
        return text;
    }
    std::string operator()(std::string_view text) const { return '"' + std::string(text) + '"'; }
};

// A stored value unlike the fallback, as text in the file, and what the getter then answers.
struct StoredUnlikeFallback {
    std::pair<std::string, std::string> operator()(bool value) const
    {
        return { value ? "NO" : "YES", describe(!value) };
    }
    std::pair<std::string, std::string> operator()(int value) const
    {
        return { std::to_string(value + 3), describe(value + 3) };
    }
    std::pair<std::string, std::string> operator()(double value) const
    {
        return { describe(value + 0.5), describe(value + 0.5) };
    }
    std::pair<std::string, std::string> operator()(LMSettingColour) const
    {
        return { "#102030", "#102030ff" };
    }
    std::pair<std::string, std::string> operator()(std::string_view) const
    {
        return { "Work, Birthdays", "\"Work, Birthdays\"" };
    }
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

TEST_F(LMSettingsTest, TheTableHoldsEveryKeyOnceWithTheDocumentedFallbacks)
{
    std::string table;
    for (const auto& setting : LMSettings::keys())
        table += std::string(setting.key()) + '=' + setting.fallbackText() + ' ';
    EXPECT_EQ(table,
        "enabled=YES location=1 shouldShowStatusBar=YES blurEnabled=YES idleTimerDuration=60 "
        "chronelOverlayEnabled=YES militaryTime=NO timeColor=#ffffff secondsEnabled=NO showAlarmTimer=YES "
        "chronelPauseResumeTimerEnabled=YES chronelCancelTimerEnabled=YES chronelTimerHourAndSeconds=YES "
        "alarmTimerColor=#ffffff chronelResetLockScreenDim=YES chronelHomeButtonCloseEnabled=NO "
        "forecastOverlayEnabled=YES temperatureScale=1 forecastMilitaryTime=NO weatherColor=#ffffff "
        "weatherUpdateRate=1800 forecastResetLockScreenDim=YES forecastHomeButtonCloseEnabled=NO "
        "forecastErrorMessageEnabled=YES ampiroEnabled=YES ampiroOverlayEnabled=YES ampiroThemeColor=#ffffff "
        "ampiroResetLockScreenDim=YES ampiroHomeButtonCloseEnabled=NO kalendoEnabled=YES "
        "kalendoOverlayEnabled=YES "
        "kalendoDaysFromNow=7 kalendoMaxEvents=99 kalendoMaxReminders=99 calendarBlacklist= "
        "kalendoPrivacyModeEnabled=NO kalendoCalendarColorsEnabled=YES kalendoStrongerColorEnabled=NO "
        "autoColorEventSectionEnabled=YES kalendoCollapseEnabled=YES nothingScheduledLabelEnabled=YES "
        "somethingScheduledLabelEnabled=YES kalendoResetLockScreenDim=YES kalendoHomeButtonCloseEnabled=NO "
        "missivaEnabled=YES missivaOverlayEnabled=YES missivaLaunchEnabled=YES missivaPrivacyModeEnabled=NO "
        "missivaStrongerColorEnabled=NO autoColorNotificationSectionEnabled=YES missivaCollapseEnabled=YES "
        "dismissAllNotificationsButtonEnabled=NO noNotificationsLabelEnabled=YES "
        "hasNotificationsLabelEnabled=YES "
        "missivaResetLockScreenDim=YES missivaHomeButtonCloseEnabled=NO skipraEnabled=YES addAppBundleID=YES "
        "appLauncherShape=2 useCustomApps=NO melodraEnabled=YES melodraOverlayEnabled=YES "
        "melodraQuickGesturesEnabled=YES autoColorMelodraSectionEnabled=YES "
        "autoColorMelodraOverlayEnabled=YES "
        "melodraResetLockScreenDim=YES melodraHomeButtonCloseEnabled=NO ");
    EXPECT_EQ(getters.size(), LMSettings::keys().size()) << "a key listed twice";
}

TEST_F(LMSettingsTest, EveryGetterAnswersItsFallbackWithoutAFile)
{
    auto fresh = settings();
    for (const auto& setting : LMSettings::keys())
        EXPECT_EQ(read(*fresh, setting), std::visit(DescribeFallback {}, setting.fallback()))
            << setting.key();
    EXPECT_EQ(describe(fresh->themeColor()), "#ffffffff");
}

// The manager makes the fallback's object for each read of a missing key: under the address
// sanitizer this caught getters reading it after it was gone.
TEST_F(LMSettingsTest, EveryGetterAnswersItsFallbackFromAFileWithoutItsKey)
{
    writePreferences(entry("unrelated", "<string>1</string>"));
    auto loaded = settings();
    for (const auto& setting : LMSettings::keys())
        EXPECT_EQ(read(*loaded, setting), std::visit(DescribeFallback {}, setting.fallback()))
            << setting.key();
}

TEST_F(LMSettingsTest, EveryGetterReadsItsOwnKey)
{
    std::string entries;
    for (const auto& setting : LMSettings::keys()) {
        auto stored = std::visit(StoredUnlikeFallback {}, setting.fallback()).first;
        entries += entry(setting.key(), "<string>" + stored + "</string>");
    }
    writePreferences(entries + entry("themeColor", "<string>#000000</string>"));
    auto loaded = settings();
    for (const auto& setting : LMSettings::keys())
        EXPECT_EQ(read(*loaded, setting), std::visit(StoredUnlikeFallback {}, setting.fallback()).second)
            << setting.key();
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
        for (const auto& setting : LMSettings::keys())
            EXPECT_EQ(read(*loaded, setting), std::visit(DescribeFallback {}, setting.fallback()))
                << setting.key() << " from " << contents.substr(0, 40);
    }
}

TEST_F(LMSettingsTest, AnswersTheFallbacksWhenTheSupportLibraryIsMissing)
{
    writePreferences(entry("enabled", "<string>NO</string>"));
    objc::Runtime::beginProcess();
    auto loaded = settings();
    for (const auto& setting : LMSettings::keys())
        EXPECT_EQ(read(*loaded, setting), std::visit(DescribeFallback {}, setting.fallback()))
            << setting.key();
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
