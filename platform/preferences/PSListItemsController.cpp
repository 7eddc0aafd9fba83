#include "preferences/PSListItemsController.h"

#include "preferences/PSSpecifier.h"
#include "preferences/PSTableCell.h"
#include "preferences/PreferenceValue.h"
#include "uikit/UIColor.h"
#include "uikit/UIFont.h"
#include "uikit/UILabel.h"

const std::vector<std::shared_ptr<PSSpecifier>>& PSListItemsController::specifiers()
{
    if (!m_specifiers.empty() || !specifier())
        return m_specifiers;
    auto& list = *specifier();
    m_specifiers.push_back(PSSpecifier::preferenceSpecifierNamed({}, {}, PSGroupCell));
    auto values = list.arrayProperty("validValues");
    auto titles = list.arrayProperty("validTitles");
    for (size_t i = 0; i < values.size() && i < titles.size(); ++i) {
        auto item = PSSpecifier::preferenceSpecifierNamed(
            preferences::PreferenceValue::text(titles[i]), {}, PSListItemCell);
        item->setProperty(values[i], "value");
        m_specifiers.push_back(std::move(item));
    }
    return m_specifiers;
}

std::shared_ptr<PSTableCell> PSListItemsController::makeCell(const std::shared_ptr<PSSpecifier>& item)
{
    auto cell = PSListController::makeCell(item);
    if (specifier()
        && preferences::PreferenceValue::same(
            item->propertyForKey("value"), readPreferenceValue(*specifier()))) {
        auto check = UILabel::create(CGRectMake(0, 0, 16, 20));
        check->setText("\u2713");
        check->setFont(UIFont::boldSystemFontOfSize(17));
        check->setTextColor(UIColor::colorWithRed(0, 122 / 255.0, 1, 1));
        cell->setAccessoryView(check);
    }
    return cell;
}

void PSListItemsController::selectSpecifier(const std::shared_ptr<PSSpecifier>& item)
{
    if (!specifier() || item->cellType() != PSListItemCell)
        return;
    setPreferenceValue(item->propertyForKey("value"), *specifier());
    clearCache();
    reload();
    if (auto parent = m_parent.lock()) {
        parent->clearCache();
        parent->reload();
    }
}
