#pragma once

#include <functional>

// The overlays that remove notifications have the panel's table follow at once. The table makes
// those overlays, so they reach it through this rather than through its header.
class LMTableReloadRequest {
public:
    // The reload of the table made last in this process; it should hold the table weakly.
    static void setReloader(std::function<void()>);
    // The table's forced reload; nothing while there is no table.
    static void forceReloadTableViewData();
};
