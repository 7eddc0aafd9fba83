#pragma once

#include "contracts/OBAppListTableViewController.h"
#include "objc/NSObject.h"
#include "uikit/UITableViewDataSource.h"

#include <memory>
#include <string>
#include <vector>

class UISwitch;

namespace orblib {

// The installed apps by name, each with a switch. A switch turned on adds the app at the end of
// the app list file, turned off takes it out; the file is written at once. The list reads the
// file again only when it is given another bundle identifier, so laying it out often is cheap.
class OBAppListTableViewController : public NSObject,
                                     public contracts::OBAppListTableViewController,
                                     public UITableViewDataSource {
    OBJC_CLASS(OBAppListTableViewController, NSObject)
public:
    static constexpr std::string_view preferenceFolder = "/private/var/mobile/Library/Preferences/";

    static std::shared_ptr<OBAppListTableViewController> sharedInstance();
    static std::shared_ptr<OBAppListTableViewController> create();
    // The file for a bundle identifier.
    static std::string appListPath(const std::string& bundleIdentifier);

    std::shared_ptr<UITableView> tableView() override;
    void useBundleIdentifier(const std::string& bundleIdentifier, bool defaultAppsToEnabled) override;
    void changeFrame(CGRect) override;
    // The apps switched on, in the file's order.
    const std::vector<std::string>& enabledApps() const { return m_enabled; }

    NSInteger numberOfRowsInSection(UITableView*, NSInteger section) override;
    std::shared_ptr<UITableViewCell> cellForRowAtIndexPath(
        UITableView*, const std::shared_ptr<NSIndexPath>&) override;

    static void registerClass();

private:
    void switchChanged(const std::string& bundleIdentifier, bool on);
    void writeFile() const;

    std::shared_ptr<UITableView> m_tableView;
    std::string m_bundleIdentifier;
    std::vector<std::string> m_enabled;
};

} // namespace orblib
