#include "preferences/SettingsApplication.h"

#include "preferences/PSEditableTableCell.h"
#include "preferences/PSListItemsController.h"
#include "preferences/PSSliderTableCell.h"
#include "preferences/PSSwitchTableCell.h"
#include "preferences/SettingsRootListController.h"
#include "uikit/UIColor.h"
#include "uikit/UINavigationController.h"
#include "uikit/UIScreen.h"
#include "uikit/UIWindow.h"

namespace preferences {
namespace {

void registerFrameworkClasses()
{
    PSListController::registerPageClass<PSListController>();
    PSListController::registerPageClass<PSListItemsController>();
    PSTableCell::registerCellClass<PSTableCell>();
    PSTableCell::registerCellClass<PSSwitchTableCell>();
    PSTableCell::registerCellClass<PSSliderTableCell>();
    PSTableCell::registerCellClass<PSEditableTableCell>();
}

} // namespace

SettingsApplication::SettingsApplication(std::vector<PreferenceBundle> bundles)
{
    registerFrameworkClasses();
    for (auto& bundle : bundles) {
        for (auto initialiser : bundle.initialisers)
            initialiser();
    }
    m_navigation
        = UINavigationController::create(std::make_shared<SettingsRootListController>(std::move(bundles)));
    m_window = std::make_shared<UIWindow>(UIScreen::mainScreen()->bounds());
    m_window->setWindowLevel(windowLevel);
    m_window->setBackgroundColor(UIColor::whiteColor());
    m_window->setAccessibilityIdentifier("Settings");
    m_window->setHidden(true);
}

SettingsApplication::~SettingsApplication()
{
    close();
}

void SettingsApplication::open()
{
    if (isOpen())
        return;
    auto& content = m_navigation->view();
    if (!content->superview()) {
        content->setFrame(m_window->bounds());
        m_window->addSubview(content);
    }
    m_navigation->beginAppearanceTransition(true, false);
    m_window->setHidden(false);
    m_window->makeKeyAndVisible();
    m_navigation->endAppearanceTransition();
}

void SettingsApplication::close()
{
    if (!isOpen())
        return;
    m_navigation->beginAppearanceTransition(false, false);
    m_window->setHidden(true);
    m_navigation->endAppearanceTransition();
}

bool SettingsApplication::isOpen() const
{
    return m_window && !m_window->isHidden();
}

std::shared_ptr<PSListController> SettingsApplication::topPage() const
{
    return std::dynamic_pointer_cast<PSListController>(m_navigation->topViewController());
}

bool SettingsApplication::goBack()
{
    return m_navigation->popViewControllerAnimated(true) != nullptr;
}

} // namespace preferences
