#include "InputError.h"
#include "PreferenceFile.h"

#include "foundation/DeviceFileSystem.h"
#include "foundation/NSData.h"
#include "foundation/NSDictionary.h"
#include "foundation/NSNumber.h"
#include "foundation/NSPropertyListSerialization.h"
#include "foundation/NSString.h"
#include "support/TemporaryDeviceRoot.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace {

std::shared_ptr<NSDictionary> storedPreferences(NSPropertyListFormat* format)
{
    auto data = NSData::dataWithContentsOfFile(PreferenceFile::devicePath);
    return data ? objc::cast<NSDictionary>(NSPropertyListSerialization::propertyListWithData(*data, format))
                : nullptr;
}

} // namespace

TEST(PreferenceFile, SetStoresEachValueAsTheSettingsAppDoesAndKeepsTheOthers)
{
    TemporaryDeviceRoot root;
    root.write(PreferenceFile::devicePath,
        "<?xml version=\"1.0\"?><plist "
        "version=\"1.0\"><dict><key>location</key><string>2</string></dict></plist>");
    PreferenceFile::set("militaryTime", { "YES", false });
    PreferenceFile::set("blurEnabled", { "false", false });
    PreferenceFile::set("idleTimerDuration", { "300", false });
    PreferenceFile::set("weatherUpdateRate", { "0.5", false });
    PreferenceFile::set("timeColor", { "#ff0000", false });
    PreferenceFile::set("calendarBlacklist", { "300", true });

    NSPropertyListFormat format {};
    auto stored = storedPreferences(&format);
    ASSERT_TRUE(stored);
    EXPECT_EQ(format, NSPropertyListBinaryFormat_v1_0);
    auto number = [&](const char* key) { return objc::cast<NSNumber>(stored->objectForKey(key)); };
    auto text = [&](const char* key) { return objc::cast<NSString>(stored->objectForKey(key)); };
    EXPECT_EQ(text("location")->UTF8String(), "2");
    EXPECT_EQ(number("militaryTime")->kind(), NSNumber::Kind::Boolean);
    EXPECT_TRUE(number("militaryTime")->boolValue());
    EXPECT_FALSE(number("blurEnabled")->boolValue());
    EXPECT_EQ(number("idleTimerDuration")->kind(), NSNumber::Kind::Integer);
    EXPECT_EQ(number("idleTimerDuration")->intValue(), 300);
    EXPECT_EQ(number("weatherUpdateRate")->kind(), NSNumber::Kind::Real);
    EXPECT_EQ(text("timeColor")->UTF8String(), "#ff0000");
    EXPECT_EQ(text("calendarBlacklist")->UTF8String(), "300");
}

TEST(PreferenceFile, KnowsTheKeysOfTheSettingsApp)
{
    for (auto key :
        { "enabled", "location", "idleTimerDuration", "melodraHomeButtonCloseEnabled", "addAppBundleID" })
        EXPECT_TRUE(PreferenceFile::isKnownKey(key)) << key;
    for (auto key : { "", "Location", "themeColor", "colour" })
        EXPECT_FALSE(PreferenceFile::isKnownKey(key)) << key;
}

TEST(PreferenceFile, AcceptsOnlyAPropertyListDictionaryFromThisMachine)
{
    auto folder = std::filesystem::temp_directory_path() / ("lumora-prefs-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::pair<const char*, bool> cases[] = {
        { "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>enabled</key><true/></dict></plist>",
            true },
        { "<?xml version=\"1.0\"?><plist version=\"1.0\"><array/></plist>", false },
        { "location = 2;", false },
        { "", false },
    };
    for (auto& [contents, accepted] : cases) {
        std::ofstream(folder / "prefs.plist") << contents;
        if (accepted) {
            EXPECT_NO_THROW(PreferenceFile::readHostFile(folder / "prefs.plist")) << contents;
            continue;
        }
        try {
            PreferenceFile::readHostFile(folder / "prefs.plist");
            ADD_FAILURE() << contents;
        } catch (const InputError& error) {
            EXPECT_EQ(std::string(error.what()),
                (folder / "prefs.plist").string()
                    + ": not a preference file (expected an XML or binary property list with a dictionary at "
                      "its root)");
        }
    }
    EXPECT_THROW(PreferenceFile::readHostFile(folder / "absent.plist"), InputError);
    std::filesystem::remove_all(folder);
}

TEST(PreferenceFile, ASetCutShortAtAnyStepLeavesTheFileAsItWas)
{
    using Step = foundation::DeviceFileSystem::WriteStep;
    TemporaryDeviceRoot root;
    PreferenceFile::set("location", { "2", false });
    for (auto step : { Step::create, Step::write, Step::flush, Step::rename }) {
        foundation::DeviceFileSystem::failNextWriteAt(step);
        EXPECT_THROW(PreferenceFile::set("location", { "7", false }), std::runtime_error);
        auto stored = storedPreferences(nullptr);
        ASSERT_TRUE(stored);
        EXPECT_EQ(objc::cast<NSNumber>(stored->objectForKey("location"))->integerValue(), 2);
    }
}
