#pragma once

#include "uikit/UITableViewCell.h"

#include <cstdint>

// A section header of the schedule and notification table: its section number, and the
// identifier (an item type or an app's section) that its collapse state and colour follow.
class LMTableViewSectionHeaderCell : public UITableViewCell {
    OBJC_CLASS(LMTableViewSectionHeaderCell, UITableViewCell)
public:
    LMTableViewSectionHeaderCell(
        UITableViewCellStyle style, std::string reuseIdentifier, std::int64_t section, std::string identifier)
        : UITableViewCell(style, std::move(reuseIdentifier))
        , m_section(section)
        , m_identifier(std::move(identifier))
    { }
    // initWithStyle:reuseIdentifier:section:identifier:
    static std::shared_ptr<LMTableViewSectionHeaderCell> initWithStyle(
        UITableViewCellStyle style, std::string reuseIdentifier, std::int64_t section, std::string identifier)
    {
        return std::make_shared<LMTableViewSectionHeaderCell>(
            style, std::move(reuseIdentifier), section, std::move(identifier));
    }

    std::int64_t section() const { return m_section; }
    const std::string& identifier() const { return m_identifier; }

private:
    std::int64_t m_section;
    std::string m_identifier;
};
