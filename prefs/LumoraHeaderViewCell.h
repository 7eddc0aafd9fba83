#pragma once

#include "preferences/PSTableCell.h"

class UILabel;

// The large thin title at the top of the root page, as high as its row and shrunk to its width.
class LumoraHeaderViewCell : public PSTableCell {
    OBJC_CLASS(LumoraHeaderViewCell, PSTableCell)
public:
    // A row of no height would otherwise ask for a title of no size.
    static constexpr CGFloat minimumFontSize = 12;

    void initWithStyle(
        UITableViewCellStyle, const std::string& reuseIdentifier, std::shared_ptr<PSSpecifier>) override;
    void layoutSubviews() override;

    const std::shared_ptr<UILabel>& headerLabel() const { return m_headerLabel; }

private:
    std::shared_ptr<UILabel> m_headerLabel;
};
