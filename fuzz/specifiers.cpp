// Feeds arbitrary bytes to the Settings app as a page's specifier file: opening the page, laying
// out its table, reading every row's value and tapping every row must neither crash nor hang.
#include "objc/Runtime.h"
#include "preferences/PSListController.h"
#include "preferences/PSSpecifier.h"
#include "preferences/SettingsApplication.h"
#include "support/FuzzDevice.h"
#include "uikit/UIScreen.h"
#include "uikit/UIWindow.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

const char* const bundle = "/Library/PreferenceBundles/Fuzz.bundle";

class FuzzPage : public PSListController {
    OBJC_CLASS(FuzzPage, PSListController)
public:
    const std::vector<std::shared_ptr<PSSpecifier>>& specifiers() override
    {
        if (m_specifiers.empty())
            m_specifiers = loadSpecifiersFromPlistName("Fuzz", shared_from_this());
        return m_specifiers;
    }
};

void registerFuzzPage()
{
    PSListController::registerPageClass<FuzzPage>();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static FuzzDevice device;
    objc::Runtime::beginProcess();
    UIScreen::setMainScreen(CGRectMake(0, 0, 375, 667), 2);
    FuzzDevice::write(std::string(bundle) + "/Fuzz.plist", std::vector<std::uint8_t>(data, data + size));

    preferences::SettingsApplication app({ { "Fuzz", bundle, "FuzzPage", { &registerFuzzPage } } });
    app.open();
    app.window()->layoutIfNeeded();
    auto page = app.topPage();
    if (!page)
        return 0;
    // The Settings app's list of bundles: a group, then the row that opens the fuzzed page.
    if (page->specifiers().size() > 1)
        page->selectSpecifier(page->specifiers().at(1));
    app.window()->layoutIfNeeded();
    if (auto fuzzed = app.topPage(); fuzzed && fuzzed != page) {
        auto rows = fuzzed->specifiers();
        for (auto& row : rows) {
            fuzzed->readPreferenceValue(*row);
            fuzzed->selectSpecifier(row);
        }
        app.window()->layoutIfNeeded();
    }
    app.close();
    return 0;
}
