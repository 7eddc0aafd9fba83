#pragma once

#include "preferences/PSListController.h"
#include "preferences/PreferenceBundle.h"

namespace preferences {

// The Settings app's first page: one row per installed preference bundle, opening the bundle's
// root page with the bundle's files.
class SettingsRootListController : public PSListController {
    OBJC_CLASS(SettingsRootListController, PSListController)
public:
    explicit SettingsRootListController(std::vector<PreferenceBundle>);

    const std::vector<std::shared_ptr<PSSpecifier>>& specifiers() override;
    void selectSpecifier(const std::shared_ptr<PSSpecifier>&) override;

private:
    std::vector<PreferenceBundle> m_bundles;
};

} // namespace preferences
