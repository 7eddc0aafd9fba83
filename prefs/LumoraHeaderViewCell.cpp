#include "prefs/LumoraHeaderViewCell.h"

#include "prefs/LumoraColorTable.h"
#include "uikit/UIColor.h"
#include "uikit/UIFont.h"
#include "uikit/UILabel.h"

#include <algorithm>

void LumoraHeaderViewCell::initWithStyle(
    UITableViewCellStyle style, const std::string& reuseIdentifier, std::shared_ptr<PSSpecifier> specifier)
{
    super::initWithStyle(style, reuseIdentifier, std::move(specifier));
    setBackgroundColor(UIColor::clearColor());
    setUserInteractionEnabled(false);
    textLabel()->setText({});
    m_headerLabel = UILabel::create(CGRectZero);
    m_headerLabel->setAccessibilityIdentifier("headerLabel");
    m_headerLabel->setTextColor(LumoraColorTable::color(LumoraColor::Base));
    m_headerLabel->setText("Lumora");
    m_headerLabel->setNumberOfLines(1);
    m_headerLabel->setAdjustsFontSizeToFitWidth(true);
    m_headerLabel->setTextAlignment(NSTextAlignmentCenter);
    addSubview(m_headerLabel);
}

void LumoraHeaderViewCell::layoutSubviews()
{
    super::layoutSubviews();
    m_headerLabel->setFrame(CGRectMake(0, 0, bounds().size.width, bounds().size.height));
    m_headerLabel->setFont(
        UIFont::fontWithName("HelveticaNeue-UltraLight", std::max(m_headerLabel->height(), minimumFontSize)));
}
