#pragma once

#include <map>
#include <memory>
#include <string>

namespace contracts {
class OBNotificationSection;
}

// What the views that remove notifications ask of the panel's table: the sections it shows,
// and a reload that follows the removal at once. The panel publishes its table here when it
// builds it, so those views reach the table the panel holds without holding the panel.
class LMNotificationTable {
public:
    // The panel's table; nothing before the panel has built one.
    static std::shared_ptr<LMNotificationTable> panelTable();
    static void setPanelTable(std::weak_ptr<LMNotificationTable>);

    // The sections of the last reload, under their keys "1", "2", ...
    virtual const std::map<std::string, std::shared_ptr<contracts::OBNotificationSection>>&
    notificationSectionsData() const = 0;
    virtual void forceReloadTableViewData() = 0;

protected:
    ~LMNotificationTable() = default;
};
