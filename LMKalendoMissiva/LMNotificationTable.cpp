#include "LMKalendoMissiva/LMNotificationTable.h"

#include "objc/ProcessLocal.h"

namespace {

objc::ProcessLocal<std::weak_ptr<LMNotificationTable>> s_panelTable;

} // namespace

std::shared_ptr<LMNotificationTable> LMNotificationTable::panelTable()
{
    return s_panelTable->lock();
}

void LMNotificationTable::setPanelTable(std::weak_ptr<LMNotificationTable> table)
{
    *s_panelTable = std::move(table);
}

void LMNotificationTable::forceReloadPanelTable()
{
    if (auto table = panelTable())
        table->forceReloadTableViewData();
}
