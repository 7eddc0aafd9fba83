#include "orblib/AppListFile.h"
#include "foundation/DeviceFileSystem.h"
#include "support/TemporaryDeviceRoot.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

namespace {

std::string contents(const TemporaryDeviceRoot& disk)
{
    std::ostringstream text;
    text << std::ifstream(disk.hostPath(orblib::AppListFile::devicePath)).rdbuf();
    return text.str();
}

} // namespace

TEST(AppListFile, HoldsOneChosenAppALineInTheOrderChosen)
{
    TemporaryDeviceRoot disk;
    const std::vector<std::string> chosen { "com.apple.Music", "com.example.gone", "com.apple.camera" };
    ASSERT_TRUE(orblib::AppListFile::write(chosen)) << "the folder is made when missing";
    EXPECT_EQ(contents(disk), "com.apple.Music\ncom.example.gone\ncom.apple.camera\n");

    ASSERT_TRUE(orblib::AppListFile::write({}));
    EXPECT_TRUE(std::filesystem::exists(disk.hostPath(orblib::AppListFile::devicePath)));
    EXPECT_EQ(contents(disk), "") << "a choice of none";

    for (auto bad : { "", "com.apple.Music:Music", "two\nlines", "com.apple.Music\r" })
        EXPECT_FALSE(orblib::AppListFile::canHold(bad)) << bad;
    EXPECT_TRUE(orblib::AppListFile::canHold("com.example.with blank"));
}

TEST(AppListFile, AWriteCutShortAtAnyStepLeavesTheFormerChoiceWhole)
{
    using Step = foundation::DeviceFileSystem::WriteStep;
    TemporaryDeviceRoot disk;
    const std::vector<std::string> former { "com.apple.Music" };
    ASSERT_TRUE(orblib::AppListFile::write(former));
    const std::vector<std::string> chosen(500, "com.example.a.long.identifier");
    for (auto step : { Step::create, Step::write, Step::flush, Step::rename }) {
        SCOPED_TRACE(static_cast<int>(step));
        foundation::DeviceFileSystem::failNextWriteAt(step);
        EXPECT_FALSE(orblib::AppListFile::write(chosen));
        EXPECT_EQ(contents(disk), "com.apple.Music\n");
    }
}
