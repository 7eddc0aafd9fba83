#pragma once

#include "preferences/PSListController.h"

// The page of a list row's choices: one row per title, a check mark at the stored one. A tap
// stores that choice under the list's key and tells the page the list row lives on.
class PSListItemsController : public PSListController {
    OBJC_CLASS(PSListItemsController, PSListController)
public:
    void setParent(std::weak_ptr<PSListController> parent) { m_parent = std::move(parent); }

    const std::vector<std::shared_ptr<PSSpecifier>>& specifiers() override;
    void selectSpecifier(const std::shared_ptr<PSSpecifier>&) override;

protected:
    std::shared_ptr<PSTableCell> makeCell(const std::shared_ptr<PSSpecifier>&) override;

private:
    std::weak_ptr<PSListController> m_parent;
};
