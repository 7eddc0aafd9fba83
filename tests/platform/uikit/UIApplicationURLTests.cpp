#include "uikit/UIApplication.h"

#include <gtest/gtest.h>

TEST(UIApplicationURLs, OpensWhatAnInstalledAppClaimsAndTheWebAndRecordsIt)
{
    auto application = UIApplication::sharedApplication();
    UIApplication::setClaimedURLSchemes({ "Twitter" });
    const std::pair<const char*, bool> cases[] = { { "twitter://user?screen_name=a", true },
        { "TWITTER://x", true }, { "https://example.org", true }, { "http://example.org", true },
        { "other://x", false }, { "no scheme", false }, { ":empty", false } };
    for (auto [url, opens] : cases) {
        EXPECT_EQ(application->canOpenURL(url), opens) << url;
        EXPECT_EQ(application->openURL(url), opens) << url;
    }
    EXPECT_EQ(UIApplication::openedURLs(),
        (std::vector<std::string> {
            "twitter://user?screen_name=a", "TWITTER://x", "https://example.org", "http://example.org" }));
}
