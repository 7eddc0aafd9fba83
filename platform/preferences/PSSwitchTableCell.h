#pragma once

#include "preferences/PSControlTableCell.h"

// A row with an on/off switch at its right; its value is a boolean number.
class PSSwitchTableCell : public PSControlTableCell {
    OBJC_CLASS(PSSwitchTableCell, PSControlTableCell)
public:
    void initWithStyle(
        UITableViewCellStyle, const std::string& reuseIdentifier, std::shared_ptr<PSSpecifier>) override;
    void setValue(const std::shared_ptr<NSObject>&) override;
    std::shared_ptr<NSObject> controlValue() const override;
};
