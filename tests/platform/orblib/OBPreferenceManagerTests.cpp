#include "contracts/ClassMessages.h"
#include "contracts/OBPreferenceManager.h"
#include "contracts/PreferenceFilePath.h"
#include "foundation/NSArray.h"
#include "foundation/NSNumber.h"
#include "foundation/NSString.h"
#include "objc/ClassRef.h"
#include "orblib/OrbLib.h"
#include "support/BinaryPlistBuilder.h"
#include "support/TemporaryDeviceRoot.h"

#include <gtest/gtest.h>

namespace {

const char* const path = contracts::preferenceFilePath;

class OBPreferenceManagerTest : public testing::Test {
protected:
    void SetUp() override
    {
        objc::Runtime::beginProcess();
        orblib::registerClasses();
    }

    std::shared_ptr<contracts::OBPreferenceManager> open() const
    {
        static objc::ClassRef managerClass { "OBPreferenceManager" };
        return contracts::make<contracts::OBPreferenceManager>(
            managerClass, contracts::OBPreferenceManager::initWithContentsOfFile, path);
    }

    std::string text(const std::shared_ptr<NSObject>& object) const
    {
        auto string = objc::cast<NSString>(object);
        return string ? string->UTF8String() : "<not text>";
    }

    TemporaryDeviceRoot m_device;
};

} // namespace

TEST_F(OBPreferenceManagerTest, IsFoundByNameOnlyInAProcessThatLoadedTheLibrary)
{
    EXPECT_NE(open(), nullptr);
    objc::Runtime::beginProcess();
    EXPECT_EQ(open(), nullptr);
}

TEST_F(OBPreferenceManagerTest, AnswersStoredObjectsAndOtherwiseTheFallbackAsText)
{
    m_device.write(path, R"(<plist><dict>
        <key>enabled</key><string>NO</string>
        <key>location</key><integer>3</integer>
        <key>list</key><array/>
    </dict></plist>)");
    auto prefs = open();
    ASSERT_NE(prefs, nullptr);
    EXPECT_EQ(text(prefs->valueForkey("enabled", "YES")), "NO");
    EXPECT_EQ(objc::cast<NSNumber>(prefs->valueForkey("location", "1"))->intValue(), 3);
    EXPECT_NE(objc::cast<NSArray>(prefs->valueForkey("list", "")), nullptr);
    EXPECT_EQ(text(prefs->valueForkey("missing", "60.0")), "60.0");
}

TEST_F(OBPreferenceManagerTest, UnreadableFilesAnswerEveryFallback)
{
    const std::string unreadable[] = {
        "",
        "not a property list",
        "<plist><dict><key>enabled</key><string>NO</string>",
        "<plist><array><string>NO</string></array></plist>",
        nestedArraysBinary(100000),
        nestedArraysXML(100000),
    };
    EXPECT_EQ(text(open()->valueForkey("enabled", "YES")), "YES") << "no file";
    for (const auto& contents : unreadable) {
        m_device.write(path, contents);
        EXPECT_EQ(text(open()->valueForkey("enabled", "YES")), "YES") << contents.substr(0, 60);
    }
}

TEST_F(OBPreferenceManagerTest, ParsesTheFileOnceWhenMade)
{
    m_device.write(path, "<plist><dict><key>enabled</key><string>NO</string></dict></plist>");
    auto prefs = open();
    m_device.write(path, "<plist><dict><key>enabled</key><string>YES</string></dict></plist>");
    EXPECT_EQ(text(prefs->valueForkey("enabled", "")), "NO");
    EXPECT_EQ(text(open()->valueForkey("enabled", "")), "YES");
}
