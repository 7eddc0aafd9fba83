#include "uikit/UINavigationBar.h"

#include "uikit/TextMetrics.h"
#include "uikit/UIBarButtonItem.h"
#include "uikit/UIButton.h"
#include "uikit/UIFont.h"
#include "uikit/UIImage.h"
#include "uikit/UILabel.h"
#include "uikit/UINavigationItem.h"
#include "uikit/ViewDump.h"

#include <nlohmann/json.hpp>

namespace {

constexpr CGFloat edgeMargin = 8;
constexpr CGFloat buttonPadding = 8;
constexpr CGFloat fontSize = 17;

} // namespace

void UINavigationBar::setTintColor(std::shared_ptr<UIColor> color)
{
    m_tintColor = std::move(color);
    setNeedsLayout();
}

void UINavigationBar::setBarTintColor(std::shared_ptr<UIColor> color)
{
    m_barTintColor = std::move(color);
    setNeedsLayout();
}

void UINavigationBar::setTitleTextAttributes(NSTextAttributes attributes)
{
    m_titleTextAttributes = std::move(attributes);
    setNeedsLayout();
}

void UINavigationBar::setItems(std::vector<std::shared_ptr<UINavigationItem>> items)
{
    m_items = std::move(items);
    for (auto& item : m_items)
        item->setBar(std::static_pointer_cast<UIView>(shared_from_this()));
    setNeedsLayout();
}

std::shared_ptr<UINavigationItem> UINavigationBar::topItem() const
{
    return m_items.empty() ? nullptr : m_items.back();
}

std::shared_ptr<UIButton> UINavigationBar::makeButton(const std::shared_ptr<UIBarButtonItem>& item)
{
    if (!item)
        return nullptr;
    auto button = UIButton::buttonWithType(UIButtonTypeSystem);
    CGFloat contentWidth = 0;
    if (item->image()) {
        button->setImage(m_tintColor ? item->image()->imageWithTintColor(*m_tintColor) : item->image(),
            UIControlStateNormal);
        contentWidth = item->image()->size().width;
    } else {
        auto font = item->style() == UIBarButtonItemStyleDone ? UIFont::boldSystemFontOfSize(fontSize)
                                                              : UIFont::systemFontOfSize(fontSize);
        button->setTitle(item->title(), UIControlStateNormal);
        button->titleLabel()->setFont(font);
        contentWidth = TextMetrics::current()
                           .layout(NSAttributedString(item->title(), { font, {}, {} }), 1, 0)
                           .size()
                           .width;
    }
    if (m_tintColor)
        button->setTitleColor(m_tintColor, UIControlStateNormal);
    button->setFrame(CGRectMake(0, 0, contentWidth + 2 * buttonPadding, height()));
    std::weak_ptr<UIBarButtonItem> weakItem = item;
    button->addTarget(
        [weakItem](UIControl*) {
            if (auto strongItem = weakItem.lock())
                strongItem->sendAction();
        },
        UIControlEventTouchUpInside);
    addSubview(button);
    return button;
}

// The title and the buttons are made afresh from the top item on every layout.
void UINavigationBar::layoutSubviews()
{
    setBackgroundColor(m_barTintColor ? m_barTintColor : UIColor::colorWithWhite(0.97, 1));
    for (auto* view : { static_cast<UIView*>(m_titleLabel.get()), static_cast<UIView*>(m_leftButton.get()),
             static_cast<UIView*>(m_rightButton.get()) }) {
        if (view)
            view->removeFromSuperview();
    }
    auto item = topItem();
    m_leftButton = makeButton(item ? item->leftBarButtonItem() : nullptr);
    m_rightButton = makeButton(item ? item->rightBarButtonItem() : nullptr);
    if (m_leftButton)
        m_leftButton->setFrame(CGRectMake(edgeMargin, 0, m_leftButton->width(), height()));
    if (m_rightButton)
        m_rightButton->setFrame(
            CGRectMake(width() - edgeMargin - m_rightButton->width(), 0, m_rightButton->width(), height()));

    m_titleLabel = UILabel::create(bounds());
    m_titleLabel->setTextAlignment(NSTextAlignmentCenter);
    m_titleLabel->setUserInteractionEnabled(false);
    m_titleLabel->setFont(
        m_titleTextAttributes.font ? m_titleTextAttributes.font : UIFont::boldSystemFontOfSize(fontSize));
    m_titleLabel->setTextColor(m_titleTextAttributes.foregroundColor ? m_titleTextAttributes.foregroundColor
                                                                     : UIColor::blackColor());
    m_titleLabel->setText(item ? item->title() : "");
    insertSubviewAtIndex(m_titleLabel, 0);
}

void UINavigationBar::dumpProperties(nlohmann::ordered_json& entry) const
{
    super::dumpProperties(entry);
    entry["tintColor"] = ViewDump::color(m_tintColor);
    entry["barTintColor"] = ViewDump::color(m_barTintColor);
    entry["titleFont"] = ViewDump::font(m_titleTextAttributes.font);
    entry["titleColor"] = ViewDump::color(m_titleTextAttributes.foregroundColor);
}
