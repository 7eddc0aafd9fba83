#include "prefs/PrefsScene.h"

#include "foundation/NSString.h"
#include "foundation/ScalarValue.h"
#include "preferences/PSListController.h"
#include "preferences/PSSpecifier.h"
#include "prefs/LumoraPrefsBundle.h"
#include "settings/LMSettings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

namespace {

struct Row {
    std::string page;
    std::shared_ptr<PSSpecifier> specifier;
};

// Every row of every page reachable from the root page through the rows that open pages.
std::map<std::string, Row> rowsByKey(std::set<std::string>& pagesSeen, std::vector<std::string>& problems)
{
    std::map<std::string, Row> rows;
    std::vector<std::string> pending { std::string(lumoraprefs::rootClassName) };
    while (!pending.empty()) {
        auto name = pending.back();
        pending.pop_back();
        if (!pagesSeen.insert(name).second)
            continue;
        auto page = PSListController::pageOfClass(objc_getClass(name));
        if (!page) {
            problems.push_back("no page class " + name);
            continue;
        }
        page->setBundlePath(std::string(lumoraprefs::bundlePath));
        if (page->specifiers().empty())
            problems.push_back(name + " shows no rows");
        for (auto& specifier : page->specifiers()) {
            if (specifier->cellType() == PSLinkCell)
                pending.push_back(specifier->textProperty("detail"));
            if (specifier->cellType() == PSButtonCell
                && !specifier->target()->respondsToSelector(
                    sel_registerName(specifier->textProperty("action"))))
                problems.push_back(name + ": no method " + specifier->textProperty("action"));
            if (auto cellClass = specifier->textProperty("cellClass");
                !cellClass.empty() && !objc_getClass(cellClass))
                problems.push_back(name + ": no cell class " + cellClass);
            if (auto key = specifier->textProperty("key"); !key.empty()) {
                if (specifier->textProperty("defaults") != "com.Orbelin.Lumora")
                    problems.push_back(key + " is not stored in the preference file");
                if (!rows.emplace(key, Row { name, specifier }).second)
                    problems.push_back(key + " appears twice");
            }
        }
    }
    return rows;
}

bool sameAsFallback(const LMSetting& entry, const std::shared_ptr<NSObject>& shown)
{
    auto& fallbackText = entry.fallbackText();
    auto fallback = std::make_shared<NSString>(fallbackText);
    auto* value = foundation::ScalarValue::of(shown);
    auto* expected = foundation::ScalarValue::of(fallback);
    auto text = objc::cast<NSString>(shown);
    switch (entry.type()) {
    case LMSetting::Type::Bool:
        return value && value->boolValue() == expected->boolValue();
    case LMSetting::Type::Int:
        return value && value->intValue() == expected->intValue();
    case LMSetting::Type::Double:
        return value && std::abs(value->doubleValue() - expected->doubleValue()) < 1e-9;
    case LMSetting::Type::Colour: {
        auto lower = [](std::string s) {
            std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
            return s;
        };
        return text && lower(text->UTF8String()) == lower(fallbackText);
    }
    case LMSetting::Type::Object:
        // The stored object is handed over as it is: the same text, or a switch meaning the same.
        return (text && text->UTF8String() == fallbackText)
            || (!text && value && !fallbackText.empty() && value->boolValue() == expected->boolValue());
    }
    return false;
}

} // namespace

TEST(SpecifierFiles, EveryKeyOfTheSettingsModelIsOnSomePageWithItsFallbackAsDefault)
{
    PrefsScene scene;
    std::set<std::string> pages;
    std::vector<std::string> problems;
    auto rows = rowsByKey(pages, problems);
    EXPECT_EQ(problems, std::vector<std::string> {});
    EXPECT_EQ(pages.size(), 11u);
    for (auto& entry : LMSettings::keys()) {
        auto row = rows.find(std::string(entry.key()));
        if (row == rows.end()) {
            ADD_FAILURE() << entry.key() << " is on no page";
            continue;
        }
        auto shown = row->second.specifier->propertyForKey("default");
        EXPECT_TRUE(sameAsFallback(entry, shown)) << entry.key() << " on " << row->second.page;
        rows.erase(row);
    }
    for (auto& [key, row] : rows)
        ADD_FAILURE() << key << " on " << row.page << " is no key of the settings model";
}
