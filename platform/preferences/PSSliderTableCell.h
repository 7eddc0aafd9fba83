#pragma once

#include "preferences/PSControlTableCell.h"

// A row that is a slider across its width, between the specifier's "min" and "max"; its value
// is a number.
class PSSliderTableCell : public PSControlTableCell {
    OBJC_CLASS(PSSliderTableCell, PSControlTableCell)
public:
    void initWithStyle(
        UITableViewCellStyle, const std::string& reuseIdentifier, std::shared_ptr<PSSpecifier>) override;
    void setValue(const std::shared_ptr<NSObject>&) override;
    std::shared_ptr<NSObject> controlValue() const override;
    void layoutSubviews() override;
};
