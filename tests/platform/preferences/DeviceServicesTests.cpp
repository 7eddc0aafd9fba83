#include "preferences/DeviceProcesses.h"
#include "social/SLComposeViewController.h"

#include <gtest/gtest.h>

TEST(DeviceProcesses, KillallAsksTheDeviceAndNothingRunsOnTheMachine)
{
    const std::pair<const char*, int> cases[] = { { "killall SpringBoard", 0 }, { "rm -rf /", 127 },
        { "killall SpringBoard; reboot", 1 }, { "killall ", 1 } };
    for (auto [command, status] : cases)
        EXPECT_EQ(preferences::DeviceProcesses::system(command), status) << command;
    EXPECT_EQ(preferences::DeviceProcesses::takeKillRequests(), std::vector<std::string> { "SpringBoard" });
    EXPECT_TRUE(preferences::DeviceProcesses::takeKillRequests().empty());
    EXPECT_EQ(preferences::DeviceProcesses::commands().size(), 4u);
}

TEST(SLComposeViewController, ASheetNeedsAnAccountAndPostsItsText)
{
    EXPECT_FALSE(SLComposeViewController::isAvailableForServiceType(SLServiceTypeTwitter));
    EXPECT_EQ(SLComposeViewController::composeViewControllerForServiceType(SLServiceTypeTwitter), nullptr);
    SLComposeViewController::setAccountAvailable(SLServiceTypeTwitter, true);
    auto sheet = SLComposeViewController::composeViewControllerForServiceType(SLServiceTypeTwitter);
    ASSERT_TRUE(sheet);
    sheet->setInitialText("Hello");
    EXPECT_EQ(sheet->initialText(), "Hello");
    EXPECT_TRUE(SLComposeViewController::posts().empty());
}
