// The page in a real browser: Debian's headless Chromium clicks the weather area on the live
// screen and reads, in the page's own script box, that the weather overlay opened.
#include "serve/ServedDevice.h"
#include "serve/WebDriver.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

namespace {

// .ci/run installs the browser and asks for this test; elsewhere it runs where one is installed.
bool browserRequired()
{
    auto* required = std::getenv("LUMORA_BROWSER_TEST");
    return required && std::string(required) == "required";
}

template<typename Check>
bool within(std::chrono::seconds limit, Check check)
{
    auto deadline = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < deadline) {
        if (check())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    return false;
}

} // namespace

TEST(Browser, ClickingTheWeatherAreaOpensTheWeatherOverlay)
{
    if (!WebDriver::installed()) {
        if (browserRequired())
            FAIL() << WebDriver::driverPath << " or " << WebDriver::browserPath << " is missing";
        GTEST_SKIP() << "no chromedriver and chromium here (scripts/install-deps --browser installs them)";
    }
    ServedDevice device;
    WebDriver browser;
    browser.open(device.url());
    ASSERT_TRUE(within(std::chrono::seconds(20), [&] {
        return browser.execute("return document.getElementById('screen').naturalWidth").get<int>() > 0;
    })) << "no frame reached the page";
    EXPECT_EQ(browser.execute("return document.getElementById('screen').getBoundingClientRect().width").get<double>(),
        375);

    // Time runs as on the phone, so the single tap outlasts the double tap's interval.
    browser.click(browser.find("[data-speed='1']"));
    auto weather = device.get("/api/hit?x=270&y=48");
    ASSERT_EQ(weather["target"], "_weatherContainerView");
    browser.clickAt(browser.find("#screen"), 270, 48);

    auto line = browser.find("#script-line");
    auto output = browser.find("#script-output");
    bool opened = within(std::chrono::seconds(20), [&] {
        browser.clear(line);
        browser.type(line, "print LMWeatherDisplayView.isActive");
        browser.click(browser.find("#script-run"));
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        return browser.text(output) == "true";
    });
    EXPECT_TRUE(opened) << "the page's script box read: " << browser.text(output);

    // The page as a person sees it, with the inspector open, for the README.
    browser.click(browser.find("#inspect"));
    std::this_thread::sleep_for(std::chrono::milliseconds(800));
    std::ofstream("serve-page.png", std::ios::binary) << browser.screenshot();
}
