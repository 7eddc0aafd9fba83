#pragma once

#include "foundation/NSObjCRuntime.h"

#include <memory>

class NSIndexPath;
class UITableView;
class UITableViewCell;

// What a table asks for its rows.
class UITableViewDataSource {
public:
    virtual ~UITableViewDataSource() = default;

    virtual NSInteger numberOfSectionsInTableView(UITableView*) { return 1; }
    // tableView:numberOfRowsInSection:
    virtual NSInteger numberOfRowsInSection(UITableView*, NSInteger section) = 0;
    // tableView:cellForRowAtIndexPath: — a cell must come back.
    virtual std::shared_ptr<UITableViewCell> cellForRowAtIndexPath(
        UITableView*, const std::shared_ptr<NSIndexPath>&)
        = 0;
};
