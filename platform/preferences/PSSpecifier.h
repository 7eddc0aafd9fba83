#pragma once

#include "objc/NSObject.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class NSDictionary;

enum PSCellType {
    PSGroupCell,
    PSLinkCell,
    PSLinkListCell,
    PSListItemCell,
    PSTitleValueCell,
    PSSliderCell,
    PSSwitchCell,
    PSStaticTextCell,
    PSEditTextCell,
    PSButtonCell,
};

// One row of a settings page as a specifier file describes it: its kind ("cell"), its title
// ("label"), and, by kind, the key and preference file ("key", "defaults") with the value shown
// when the file holds none ("default"), the page it opens ("detail", a class name), the method it
// calls ("action"), the cell class that draws it ("cellClass"), a group's footer ("footerText"),
// a list's choices ("validValues", "validTitles") and a slider's range ("min", "max").
class PSSpecifier : public NSObject {
    OBJC_CLASS(PSSpecifier, NSObject)
public:
    // Nothing when the entry names no kind of cell the framework knows.
    static std::shared_ptr<PSSpecifier> fromProperties(
        std::shared_ptr<NSDictionary> properties, std::weak_ptr<NSObject> target);
    // preferenceSpecifierNamed:target:set:get:detail:cell:edit:
    static std::shared_ptr<PSSpecifier> preferenceSpecifierNamed(
        std::string name, std::weak_ptr<NSObject> target, PSCellType);

    PSCellType cellType() const { return m_cellType; }
    const std::string& name() const { return m_name; }
    void setName(std::string name) { m_name = std::move(name); }
    std::shared_ptr<NSObject> target() const { return m_target.lock(); }

    std::shared_ptr<NSObject> propertyForKey(std::string_view key) const;
    void setProperty(std::shared_ptr<NSObject> value, const std::string& key);
    // The property's text; empty when it is missing or not text.
    std::string textProperty(std::string_view key) const;
    double numberProperty(std::string_view key, double fallback) const;
    std::vector<std::shared_ptr<NSObject>> arrayProperty(std::string_view key) const;

    // The preference file that stores the value: the "defaults" domain's property list in the
    // user's preference folder; empty when the row stores nothing.
    std::string preferencePath() const;

private:
    PSCellType m_cellType { PSStaticTextCell };
    std::string m_name;
    std::weak_ptr<NSObject> m_target;
    std::shared_ptr<NSDictionary> m_properties;
};
