#include "preferences/PSTableCell.h"

#include "preferences/PSSpecifier.h"
#include "uikit/UIColor.h"
#include "uikit/UIFont.h"
#include "uikit/UILabel.h"

#include <algorithm>

namespace {

std::shared_ptr<UIColor> buttonBlue()
{
    return UIColor::colorWithRed(0, 122 / 255.0, 1, 1);
}

std::shared_ptr<UIColor> valueGrey()
{
    return UIColor::colorWithRed(142 / 255.0, 142 / 255.0, 147 / 255.0, 1);
}

} // namespace

PSTableCell::PSTableCell()
    : UITableViewCell(UITableViewCellStyleValue1)
{ }

std::shared_ptr<PSTableCell> PSTableCell::cellOfClass(Class cls, UITableViewCellStyle style,
    const std::string& reuseIdentifier, const std::shared_ptr<PSSpecifier>& specifier)
{
    if (!cls || !cls->isSubclassOf(staticClass()) || !cls->lookupClassMethod(initWithStyleMessage))
        return nullptr;
    return objc::cast<PSTableCell>(initWithStyleMessage.toClass(cls, style, reuseIdentifier, specifier));
}

void PSTableCell::initWithStyle(
    UITableViewCellStyle, const std::string&, std::shared_ptr<PSSpecifier> specifier)
{
    m_specifier = std::move(specifier);
    if (!m_specifier)
        return;
    textLabel()->setText(m_specifier->name());
    auto type = m_specifier->cellType();
    if (type == PSButtonCell)
        textLabel()->setTextColor(buttonBlue());
    if (type == PSLinkCell || type == PSLinkListCell) {
        auto chevron = UILabel::create(CGRectMake(0, 0, 10, 20));
        chevron->setText("\u203A");
        chevron->setFont(UIFont::systemFontOfSize(22));
        chevron->setTextColor(UIColor::colorWithRed(199 / 255.0, 199 / 255.0, 204 / 255.0, 1));
        setAccessoryView(chevron);
    }
}

void PSTableCell::setValueText(const std::string& text)
{
    if (!m_valueLabel) {
        m_valueLabel = UILabel::create();
        m_valueLabel->setAccessibilityIdentifier("value");
        m_valueLabel->setFont(UIFont::systemFontOfSize(17));
        m_valueLabel->setTextColor(valueGrey());
        m_valueLabel->setTextAlignment(NSTextAlignmentRight);
        contentView()->addSubview(m_valueLabel);
    }
    m_valueLabel->setText(text);
    setNeedsLayout();
}

std::string PSTableCell::valueText() const
{
    return m_valueLabel ? m_valueLabel->text() : std::string();
}

void PSTableCell::layoutSubviews()
{
    super::layoutSubviews();
    if (!m_valueLabel)
        return;
    auto width = contentView()->width();
    auto valueWidth = std::max(0.0, width * 0.45 - textMargin);
    m_valueLabel->setFrame(CGRectMake(width - textMargin - valueWidth, 0, valueWidth, height()));
    if (auto& label = textLabel(); label->frame().size.width > width - 2 * textMargin - valueWidth)
        label->setFrame(
            CGRectMake(textMargin, 0, std::max(0.0, width - 3 * textMargin - valueWidth), height()));
}

bool PSTableCell::typeText(const std::string& text)
{
    if (!m_specifier || m_specifier->cellType() != PSEditTextCell)
        return false;
    setValueText(text);
    if (m_committed)
        m_committed(text);
    return true;
}
