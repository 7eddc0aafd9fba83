#include "preferences/PSSpecifier.h"

#include "foundation/NSArray.h"
#include "foundation/NSDictionary.h"
#include "foundation/NSString.h"
#include "foundation/ScalarValue.h"

#include <utility>

namespace {

constexpr std::pair<std::string_view, PSCellType> cellTypes[] = {
    { "PSGroupCell", PSGroupCell },
    { "PSLinkCell", PSLinkCell },
    { "PSLinkListCell", PSLinkListCell },
    { "PSListItemCell", PSListItemCell },
    { "PSTitleValueCell", PSTitleValueCell },
    { "PSSliderCell", PSSliderCell },
    { "PSSwitchCell", PSSwitchCell },
    { "PSStaticTextCell", PSStaticTextCell },
    { "PSEditTextCell", PSEditTextCell },
    { "PSButtonCell", PSButtonCell },
};

constexpr std::string_view preferenceFolder = "/private/var/mobile/Library/Preferences/";

} // namespace

std::shared_ptr<PSSpecifier> PSSpecifier::fromProperties(
    std::shared_ptr<NSDictionary> properties, std::weak_ptr<NSObject> target)
{
    if (!properties)
        return nullptr;
    auto cell = objc::cast<NSString>(properties->objectForKey("cell"));
    if (!cell)
        return nullptr;
    for (auto& [name, type] : cellTypes) {
        if (cell->UTF8String() == name) {
            auto specifier = std::make_shared<PSSpecifier>();
            specifier->m_cellType = type;
            specifier->m_target = std::move(target);
            specifier->m_properties = std::move(properties);
            specifier->m_name = specifier->textProperty("label");
            return specifier;
        }
    }
    return nullptr;
}

std::shared_ptr<PSSpecifier> PSSpecifier::preferenceSpecifierNamed(
    std::string name, std::weak_ptr<NSObject> target, PSCellType type)
{
    auto specifier = std::make_shared<PSSpecifier>();
    specifier->m_cellType = type;
    specifier->m_name = std::move(name);
    specifier->m_target = std::move(target);
    specifier->m_properties = std::make_shared<NSDictionary>();
    return specifier;
}

std::shared_ptr<NSObject> PSSpecifier::propertyForKey(std::string_view key) const
{
    return m_properties ? m_properties->objectForKey(key) : nullptr;
}

void PSSpecifier::setProperty(std::shared_ptr<NSObject> value, const std::string& key)
{
    auto entries = m_properties ? m_properties->entries() : NSDictionary::Entries {};
    entries[key] = std::move(value);
    m_properties = std::make_shared<NSDictionary>(std::move(entries));
}

std::string PSSpecifier::textProperty(std::string_view key) const
{
    auto text = objc::cast<NSString>(propertyForKey(key));
    return text ? text->UTF8String() : std::string();
}

double PSSpecifier::numberProperty(std::string_view key, double fallback) const
{
    auto property = propertyForKey(key);
    auto* scalar = foundation::ScalarValue::of(property);
    return scalar ? scalar->doubleValue() : fallback;
}

std::vector<std::shared_ptr<NSObject>> PSSpecifier::arrayProperty(std::string_view key) const
{
    auto array = objc::cast<NSArray>(propertyForKey(key));
    return array ? array->objects() : std::vector<std::shared_ptr<NSObject>> {};
}

std::string PSSpecifier::preferencePath() const
{
    auto domain = textProperty("defaults");
    if (domain.empty() || textProperty("key").empty() || domain.find('/') != std::string::npos)
        return {};
    return std::string(preferenceFolder) + domain + ".plist";
}
