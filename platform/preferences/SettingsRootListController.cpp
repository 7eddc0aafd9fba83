#include "preferences/SettingsRootListController.h"

#include "foundation/NSString.h"
#include "preferences/PSSpecifier.h"

namespace preferences {

SettingsRootListController::SettingsRootListController(std::vector<PreferenceBundle> bundles)
    : m_bundles(std::move(bundles))
{
    setTitle("Settings");
}

const std::vector<std::shared_ptr<PSSpecifier>>& SettingsRootListController::specifiers()
{
    if (!m_specifiers.empty())
        return m_specifiers;
    m_specifiers.push_back(PSSpecifier::preferenceSpecifierNamed({}, {}, PSGroupCell));
    for (auto& bundle : m_bundles) {
        auto row = PSSpecifier::preferenceSpecifierNamed(bundle.title, {}, PSLinkCell);
        row->setProperty(NSString::stringWithUTF8String(bundle.rootClassName), "detail");
        m_specifiers.push_back(std::move(row));
    }
    return m_specifiers;
}

void SettingsRootListController::selectSpecifier(const std::shared_ptr<PSSpecifier>& row)
{
    for (auto& bundle : m_bundles) {
        if (bundle.title == row->name())
            openLink(row, bundle.path);
    }
}

} // namespace preferences
