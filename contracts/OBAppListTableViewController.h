#pragma once

#include "contracts/ClassMessages.h"
#include "uikit/CGGeometry.h"

#include <memory>
#include <string>

class UITableView;

namespace contracts {

// The support library's list of the installed apps with a switch each; the apps switched on
// are kept in "<preferences folder>/<bundle identifier>.applist.activeapps", one line per app
// beginning with its bundle identifier. One per process, through sharedInstance.
class OBAppListTableViewController {
public:
    virtual ~OBAppListTableViewController() = default;

    virtual std::shared_ptr<UITableView> tableView() = 0;
    // Which file the list keeps; with no file yet, every app starts on or every app off.
    virtual void useBundleIdentifier(const std::string& bundleIdentifier, bool defaultAppsToEnabled) = 0;
    virtual void changeFrame(CGRect) = 0;
};

} // namespace contracts
