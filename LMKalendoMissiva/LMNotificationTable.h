#pragma once

#include <map>
#include <memory>
#include <string>

namespace contracts {
class OBNotificationSection;
}

// What the views that remove notifications ask of the panel's table: the sections it shows,
// and a reload that follows the removal at once. The table makes those views, so they reach it
// through this rather than through its header; the panel's table is the one made last in the
// process, held weakly.
class LMNotificationTable {
public:
    // The panel's table; nothing before one is made.
    static std::shared_ptr<LMNotificationTable> panelTable();
    static void setPanelTable(std::weak_ptr<LMNotificationTable>);
    // The panel's table reloads at once; nothing while there is none.
    static void forceReloadPanelTable();

    // The sections of the last reload, under their keys "1", "2", ...
    virtual const std::map<std::string, std::shared_ptr<contracts::OBNotificationSection>>&
    notificationSectionsData() const = 0;
    virtual void forceReloadTableViewData() = 0;

protected:
    ~LMNotificationTable() = default;
};
