#include "uikit/UITableViewCell.h"

#include "uikit/UIFont.h"
#include "uikit/UILabel.h"

#include <algorithm>
#include <nlohmann/json.hpp>

UITableViewCell::UITableViewCell(UITableViewCellStyle style, std::string reuseIdentifier)
    : m_style(style)
    , m_reuseIdentifier(std::move(reuseIdentifier))
{
    setBackgroundColor(UIColor::whiteColor());
}

void UITableViewCell::setBackgroundView(std::shared_ptr<UIView> view)
{
    if (view == m_backgroundView)
        return;
    if (m_backgroundView)
        m_backgroundView->removeFromSuperview();
    m_backgroundView = std::move(view);
    if (m_backgroundView) {
        m_backgroundView->setFrame(bounds());
        insertSubviewAtIndex(m_backgroundView, 0);
    }
    setNeedsLayout();
}

const std::shared_ptr<UIView>& UITableViewCell::contentView()
{
    if (!m_contentView) {
        m_contentView = UIView::create(bounds());
        insertSubviewAtIndex(m_contentView, m_backgroundView ? 1 : 0);
        setNeedsLayout();
    }
    return m_contentView;
}

const std::shared_ptr<UILabel>& UITableViewCell::textLabel()
{
    if (!m_textLabel) {
        m_textLabel = UILabel::create();
        m_textLabel->setFont(UIFont::systemFontOfSize(17));
        m_textLabel->setTextColor(UIColor::blackColor());
        contentView()->addSubview(m_textLabel);
        setNeedsLayout();
    }
    return m_textLabel;
}

void UITableViewCell::setAccessoryView(std::shared_ptr<UIView> view)
{
    if (view == m_accessoryView)
        return;
    if (m_accessoryView)
        m_accessoryView->removeFromSuperview();
    m_accessoryView = std::move(view);
    if (m_accessoryView)
        addSubview(m_accessoryView);
    setNeedsLayout();
}

void UITableViewCell::layoutSubviews()
{
    CGRect area = bounds();
    if (m_backgroundView)
        m_backgroundView->setFrame(area);
    CGFloat contentWidth = area.size.width;
    if (m_accessoryView) {
        CGRect accessory = m_accessoryView->frame();
        accessory.origin.x = area.size.width - textMargin - accessory.size.width;
        accessory.origin.y = (area.size.height - accessory.size.height) / 2;
        m_accessoryView->setFrame(accessory);
        contentWidth = accessory.origin.x;
    }
    if (m_contentView)
        m_contentView->setFrame(CGRectMake(0, 0, contentWidth, area.size.height));
    if (m_textLabel)
        m_textLabel->setFrame(
            CGRectMake(textMargin, 0, std::max(0.0, contentWidth - 2 * textMargin), area.size.height));
}

void UITableViewCell::dumpProperties(nlohmann::ordered_json& entry) const
{
    super::dumpProperties(entry);
    entry["style"] = m_style;
    if (!m_reuseIdentifier.empty())
        entry["reuseIdentifier"] = m_reuseIdentifier;
}
