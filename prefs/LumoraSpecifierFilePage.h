#pragma once

#include "preferences/PSListController.h"

// What every page of the bundle shares: its rows come from the specifier file its class names
// (Page::specifierFile), loaded on the first specifiers call with the page as the target of its
// buttons, and kept until the framework clears them.
template <class Page> class LumoraSpecifierFilePage : public PSListController {
public:
    const std::vector<std::shared_ptr<PSSpecifier>>& specifiers() override
    {
        if (m_specifiers.empty())
            m_specifiers = loadSpecifiersFromPlistName(Page::specifierFile, shared_from_this());
        return m_specifiers;
    }
};
