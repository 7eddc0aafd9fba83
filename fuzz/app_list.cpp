// Feeds arbitrary bytes to both readers of an app list file: the support library's app chooser
// (its switches) and the panel's launcher (its icons). Neither may crash, and the chooser's
// table must answer for every row it counts.
#include "contracts/PreferenceFilePath.h"
#include "foundation/NSData.h"
#include "foundation/NSDictionary.h"
#include "foundation/NSNumber.h"
#include "launcher/LMAppLauncherView.h"
#include "orblib/AppListFile.h"
#include "orblib/OBAppListTableViewController.h"
#include "orblib/OrbLib.h"
#include "settings/LMSettings.h"
#include "support/FuzzDevice.h"
#include "uikit/NSIndexPath.h"
#include "uikit/UIScreen.h"
#include "uikit/UITableView.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

const char* const chooserOwner = "com.example.fuzz";

void prepareDevice()
{
    orblib::registerClasses();
    UIScreen::setMainScreen(CGRectMake(0, 0, 375, 667), 2);
    // The launcher reads the list only when the user chose their own apps.
    NSDictionary({ { "useCustomApps", NSNumber::numberWithBool(true) } })
        .writeToFile(contracts::preferenceFilePath, false);
    LMSettings::sharedInstance()->reload();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static FuzzDevice device;
    [[maybe_unused]] static const bool prepared = (prepareDevice(), true);
    NSData bytes(std::vector<std::uint8_t>(data, data + size));
    FuzzDevice::require(bytes.writeToFile(orblib::OBAppListTableViewController::appListPath(chooserOwner), false));
    FuzzDevice::require(bytes.writeToFile(std::string(orblib::AppListFile::devicePath), false));

    auto chooser = orblib::OBAppListTableViewController::create();
    chooser->useBundleIdentifier(chooserOwner, false);
    auto table = chooser->tableView();
    for (NSInteger row = 0; row < table->numberOfRowsInSection(0); ++row)
        FuzzDevice::require(chooser->cellForRowAtIndexPath(table.get(), NSIndexPath::indexPathForRow(row, 0)) != nullptr);

    auto launcher = LMAppLauncherView::create();
    if (launcher) {
        launcher->changeFrame(CGRectMake(0, 0, 355, 60));
        launcher->update();
    }
    return 0;
}
