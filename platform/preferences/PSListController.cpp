#include "preferences/PSListController.h"

#include "foundation/DeviceFileSystem.h"
#include "foundation/NSArray.h"
#include "foundation/NSData.h"
#include "foundation/NSDictionary.h"
#include "foundation/NSPropertyListSerialization.h"
#include "foundation/NSString.h"
#include "foundation/PropertyListBounds.h"
#include "preferences/PSEditableTableCell.h"
#include "preferences/PSGroupNotes.h"
#include "preferences/PSListItemsController.h"
#include "preferences/PSSliderTableCell.h"
#include "preferences/PSSpecifier.h"
#include "preferences/PSSwitchTableCell.h"
#include "preferences/PreferencePlist.h"
#include "preferences/PreferenceValue.h"
#include "uikit/NSIndexPath.h"
#include "uikit/UIColor.h"
#include "uikit/UINavigationController.h"
#include "uikit/UIScreen.h"
#include "uikit/UITableView.h"
#include "uikit/UITapGestureRecognizer.h"
#include "uikit/UIWindow.h"

namespace {

std::shared_ptr<UIColor> groupedBackground()
{
    return UIColor::colorWithRed(239 / 255.0, 239 / 255.0, 244 / 255.0, 1);
}

std::string identifierFor(const PSSpecifier& specifier)
{
    for (auto key : { "id", "key" }) {
        if (auto text = specifier.textProperty(key); !text.empty())
            return text;
    }
    return specifier.name();
}

} // namespace

std::shared_ptr<PSListController> PSListController::pageOfClass(Class cls)
{
    if (!cls || !cls->isSubclassOf(staticClass()) || !cls->lookupClassMethod(newMessage))
        return nullptr;
    return objc::cast<PSListController>(newMessage.toClass(cls));
}

std::vector<std::shared_ptr<PSSpecifier>> PSListController::loadSpecifiersFromPlistName(
    const std::string& name, const std::shared_ptr<NSObject>& target)
{
    std::vector<std::shared_ptr<PSSpecifier>> loaded;
    if (name.empty() || name.find("..") != std::string::npos)
        return loaded;
    auto bytes = foundation::DeviceFileSystem::readFile(
        m_bundlePath + "/" + name + ".plist", foundation::PropertyListBounds::maximumSize);
    if (!bytes)
        return loaded;
    auto root = objc::cast<NSDictionary>(
        NSPropertyListSerialization::propertyListWithData(NSData(std::move(*bytes))));
    auto items = root ? objc::cast<NSArray>(root->objectForKey("items")) : nullptr;
    if (!items)
        return loaded;
    if (auto title = objc::cast<NSString>(root->objectForKey("title")))
        setTitle(title->UTF8String());
    for (auto& item : *items) {
        if (auto specifier = PSSpecifier::fromProperties(objc::cast<NSDictionary>(item), target))
            loaded.push_back(std::move(specifier));
    }
    return loaded;
}

void PSListController::setSpecifier(std::shared_ptr<PSSpecifier> specifier)
{
    m_specifier = std::move(specifier);
    if (m_specifier && title().empty())
        setTitle(m_specifier->name());
}

void PSListController::clearCache()
{
    m_cells.clear();
}

void PSListController::reload()
{
    m_groupsValid = false;
    if (m_table)
        m_table->reloadData();
}

void PSListController::reloadSpecifiers()
{
    m_specifiers.clear();
    clearCache();
    reload();
}

const std::shared_ptr<UITableView>& PSListController::table()
{
    view();
    return m_table;
}

void PSListController::loadView()
{
    m_table = UITableView::create(UIScreen::mainScreen()->bounds(), UITableViewStyleGrouped);
    m_table->setBackgroundColor(groupedBackground());
    m_table->setSeparatorColor(UIColor::colorWithRed(200 / 255.0, 199 / 255.0, 204 / 255.0, 1));
    auto self = std::static_pointer_cast<PSListController>(shared_from_this());
    m_table->setDataSource(std::static_pointer_cast<UITableViewDataSource>(self));
    m_table->setDelegate(std::static_pointer_cast<UITableViewDelegate>(self));
    setView(m_table);
}

const std::vector<PSListController::Group>& PSListController::groups()
{
    if (m_groupsValid)
        return m_groups;
    m_groups.clear();
    for (auto& specifier : specifiers()) {
        if (specifier->cellType() == PSGroupCell || m_groups.empty())
            m_groups.push_back({ specifier->cellType() == PSGroupCell ? specifier : nullptr, {} });
        if (specifier->cellType() != PSGroupCell)
            m_groups.back().rows.push_back(specifier);
    }
    m_groupsValid = true;
    return m_groups;
}

const std::shared_ptr<PSSpecifier>* PSListController::row(const NSIndexPath& path)
{
    auto& all = groups();
    if (path.section() < 0 || path.section() >= static_cast<NSInteger>(all.size()))
        return nullptr;
    auto& rows = all[path.section()].rows;
    if (path.row() < 0 || path.row() >= static_cast<NSInteger>(rows.size()))
        return nullptr;
    return &rows[path.row()];
}

NSInteger PSListController::numberOfSectionsInTableView(UITableView*)
{
    return static_cast<NSInteger>(groups().size());
}

NSInteger PSListController::numberOfRowsInSection(UITableView*, NSInteger section)
{
    auto& all = groups();
    return section >= 0 && section < static_cast<NSInteger>(all.size())
        ? static_cast<NSInteger>(all[section].rows.size())
        : 0;
}

std::shared_ptr<PSTableCell> PSListController::makeCell(const std::shared_ptr<PSSpecifier>& specifier)
{
    if (auto named = specifier->textProperty("cellClass"); !named.empty()) {
        if (auto cell
            = PSTableCell::cellOfClass(objc_getClass(named), UITableViewCellStyleValue1, named, specifier))
            return cell;
    }
    std::shared_ptr<PSTableCell> cell;
    switch (specifier->cellType()) {
    case PSSwitchCell:
        cell = std::make_shared<PSSwitchTableCell>();
        break;
    case PSSliderCell:
        cell = std::make_shared<PSSliderTableCell>();
        break;
    case PSEditTextCell:
        cell = std::make_shared<PSEditableTableCell>();
        break;
    default:
        cell = std::make_shared<PSTableCell>();
    }
    cell->initWithStyle(UITableViewCellStyleValue1, {}, specifier);
    return cell;
}

std::shared_ptr<PSTableCell> PSListController::cachedCellForSpecifier(const PSSpecifier& specifier) const
{
    auto found = m_cells.find(&specifier);
    return found == m_cells.end() ? nullptr : found->second;
}

std::shared_ptr<UITableViewCell> PSListController::cellForRowAtIndexPath(
    UITableView*, const std::shared_ptr<NSIndexPath>& path)
{
    auto* found = row(*path);
    if (!found)
        return UITableViewCell::create();
    auto& specifier = *found;
    if (auto cached = cachedCellForSpecifier(*specifier)) {
        showValue(*cached, *specifier);
        return cached;
    }
    auto cell = makeCell(specifier);
    cell->setAccessibilityIdentifier(identifierFor(*specifier));
    std::weak_ptr<PSListController> weakSelf = std::static_pointer_cast<PSListController>(shared_from_this());
    std::weak_ptr<PSSpecifier> weakSpecifier = specifier;
    if (auto control = objc::cast<PSControlTableCell>(cell)) {
        control->setValueChangedAction([weakSelf, weakSpecifier](std::shared_ptr<NSObject> value) {
            auto self = weakSelf.lock();
            auto row = weakSpecifier.lock();
            if (self && row)
                self->setPreferenceValue(std::move(value), *row);
        });
    }
    if (specifier->cellType() == PSEditTextCell) {
        cell->setCommittedAction([weakSelf, weakSpecifier](const std::string& text) {
            auto self = weakSelf.lock();
            auto row = weakSpecifier.lock();
            if (self && row)
                self->setPreferenceValue(NSString::stringWithUTF8String(text), *row);
        });
    }
    auto type = specifier->cellType();
    if (type == PSLinkCell || type == PSLinkListCell || type == PSButtonCell || type == PSListItemCell)
        cell->addGestureRecognizer(std::make_shared<UITapGestureRecognizer>(
            std::static_pointer_cast<PSListController>(shared_from_this()), &PSListController::rowTapped));
    showValue(*cell, *specifier);
    m_cells[specifier.get()] = cell;
    return cell;
}

void PSListController::showValue(PSTableCell& cell, const PSSpecifier& specifier)
{
    if (specifier.preferencePath().empty())
        return;
    auto value = readPreferenceValue(specifier);
    if (auto* control = dynamic_cast<PSControlTableCell*>(&cell)) {
        control->setValue(value);
        return;
    }
    if (specifier.cellType() == PSLinkListCell) {
        cell.setValueText(preferences::PreferenceValue::titleForValue(specifier, value));
        return;
    }
    if (specifier.cellType() == PSEditTextCell || specifier.cellType() == PSTitleValueCell)
        cell.setValueText(preferences::PreferenceValue::text(value));
}

CGFloat PSListController::heightForRowAtIndexPath(UITableView*, const std::shared_ptr<NSIndexPath>& path)
{
    auto* found = row(*path);
    return found ? (*found)->numberProperty("height", UITableViewAutomaticDimension)
                 : UITableViewAutomaticDimension;
}

const PSSpecifier* PSListController::groupSpecifier(NSInteger section)
{
    auto& all = groups();
    return section >= 0 && section < static_cast<NSInteger>(all.size()) ? all[section].group.get() : nullptr;
}

CGFloat PSListController::heightForHeaderInSection(UITableView*, NSInteger section)
{
    return preferences::PSGroupNotes::headerHeight(groupSpecifier(section));
}

CGFloat PSListController::heightForFooterInSection(UITableView* table, NSInteger section)
{
    return preferences::PSGroupNotes::footerHeight(groupSpecifier(section), table->width());
}

std::shared_ptr<UIView> PSListController::viewForHeaderInSection(UITableView* table, NSInteger section)
{
    return preferences::PSGroupNotes::header(groupSpecifier(section), table->width());
}

std::shared_ptr<UIView> PSListController::viewForFooterInSection(UITableView* table, NSInteger section)
{
    return preferences::PSGroupNotes::footer(groupSpecifier(section), table->width());
}

std::shared_ptr<NSObject> PSListController::readPreferenceValue(const PSSpecifier& specifier) const
{
    auto path = specifier.preferencePath();
    if (!path.empty()) {
        if (auto stored = preferences::PreferencePlist::value(path, specifier.textProperty("key")))
            return stored;
    }
    return specifier.propertyForKey("default");
}

void PSListController::setPreferenceValue(std::shared_ptr<NSObject> value, const PSSpecifier& specifier)
{
    auto path = specifier.preferencePath();
    if (!path.empty())
        preferences::PreferencePlist::setValue(path, specifier.textProperty("key"), std::move(value));
}

void PSListController::rowTapped(UITapGestureRecognizer* recognizer)
{
    auto cell = objc::cast<PSTableCell>(recognizer->view());
    if (cell && cell->specifier())
        selectSpecifier(cell->specifier());
}

void PSListController::selectSpecifier(const std::shared_ptr<PSSpecifier>& specifier)
{
    switch (specifier->cellType()) {
    case PSLinkCell:
        openLink(specifier, m_bundlePath);
        break;
    case PSLinkListCell: {
        auto items = std::make_shared<PSListItemsController>();
        items->setBundlePath(m_bundlePath);
        items->setParent(std::static_pointer_cast<PSListController>(shared_from_this()));
        items->setSpecifier(specifier);
        if (auto navigation = navigationController())
            navigation->pushViewController(items, true);
        break;
    }
    case PSButtonCell: {
        auto target = specifier->target();
        auto action = specifier->textProperty("action");
        if (!target || action.empty())
            break;
        objc::Message<void()> message(action);
        if (target->respondsToSelector(message))
            message(target.get());
        break;
    }
    default:
        break;
    }
}

void PSListController::openLink(const std::shared_ptr<PSSpecifier>& specifier, const std::string& bundlePath)
{
    auto page = pageOfClass(objc_getClass(specifier->textProperty("detail")));
    auto navigation = navigationController();
    if (!page || !navigation)
        return;
    page->setBundlePath(bundlePath);
    page->setSpecifier(specifier);
    navigation->pushViewController(page, true);
}

void PSListController::presentViewController(const std::shared_ptr<UIViewController>& controller, bool)
{
    auto window = isViewLoaded() ? view()->window() : nullptr;
    if (!controller || !window || presentedViewController())
        return;
    m_presented = controller;
    auto& sheet = controller->view();
    sheet->setFrame(window->bounds());
    window->addSubview(sheet);
    controller->beginAppearanceTransition(true, false);
    controller->endAppearanceTransition();
}

void PSListController::dismissPresentedViewController()
{
    if (!presentedViewController()) {
        m_presented = nullptr;
        return;
    }
    m_presented->beginAppearanceTransition(false, false);
    m_presented->view()->removeFromSuperview();
    m_presented->endAppearanceTransition();
    m_presented = nullptr;
}

std::shared_ptr<UIViewController> PSListController::presentedViewController() const
{
    return m_presented && m_presented->isViewLoaded() && m_presented->view()->superview() ? m_presented
                                                                                          : nullptr;
}
