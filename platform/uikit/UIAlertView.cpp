#include "uikit/UIAlertView.h"

#include "objc/ProcessLocal.h"
#include "uikit/NSAttributedString.h"
#include "uikit/TextMetrics.h"
#include "uikit/UIAlertViewDelegate.h"
#include "uikit/UIButton.h"
#include "uikit/UIFont.h"
#include "uikit/UILabel.h"
#include "uikit/UIScreen.h"

#include <algorithm>
#include <nlohmann/json.hpp>

namespace {

constexpr CGFloat margin = 16;
constexpr CGFloat topMargin = 20;
constexpr CGFloat titleSize = 17;
constexpr CGFloat messageSize = 13;

objc::ProcessLocal<std::vector<std::shared_ptr<UIAlertView>>> s_visibleAlerts;

std::shared_ptr<UIView> hairline(CGRect frame)
{
    auto line = UIView::create(frame);
    line->setBackgroundColor(UIColor::colorWithWhite(0.8, 1));
    line->setUserInteractionEnabled(false);
    return line;
}

} // namespace

std::shared_ptr<UIAlertView> UIAlertView::create(std::string title, std::string message,
    std::weak_ptr<UIAlertViewDelegate> delegate, std::optional<std::string> cancelButtonTitle,
    std::vector<std::string> otherButtonTitles)
{
    auto alert = std::make_shared<UIAlertView>();
    alert->m_title = std::move(title);
    alert->m_message = std::move(message);
    alert->m_delegate = std::move(delegate);
    if (cancelButtonTitle)
        alert->m_cancelButtonIndex = alert->addButtonWithTitle(std::move(*cancelButtonTitle));
    for (auto& other : otherButtonTitles)
        alert->addButtonWithTitle(std::move(other));
    alert->setBackgroundColor(UIColor::colorWithWhite(0, 0.4));
    return alert;
}

void UIAlertView::setTitle(std::string title)
{
    m_title = std::move(title);
    setNeedsLayout();
}

void UIAlertView::setMessage(std::string message)
{
    m_message = std::move(message);
    setNeedsLayout();
}

NSInteger UIAlertView::addButtonWithTitle(std::string title)
{
    m_buttonTitles.push_back(std::move(title));
    setNeedsLayout();
    return numberOfButtons() - 1;
}

std::string UIAlertView::buttonTitleAtIndex(NSInteger index) const
{
    return index >= 0 && index < numberOfButtons() ? m_buttonTitles[static_cast<size_t>(index)]
                                                   : std::string();
}

std::shared_ptr<UIButton> UIAlertView::buttonViewAtIndex(NSInteger index) const
{
    return index >= 0 && static_cast<size_t>(index) < m_buttonViews.size()
        ? m_buttonViews[static_cast<size_t>(index)]
        : nullptr;
}

bool UIAlertView::isVisible() const
{
    auto& alerts = *s_visibleAlerts;
    return std::find(alerts.begin(), alerts.end(), objc::retain(this)) != alerts.end();
}

void UIAlertView::show()
{
    if (isVisible())
        return;
    setFrame(UIScreen::mainScreen()->bounds());
    s_visibleAlerts->push_back(objc::retain(this));
}

void UIAlertView::dismissWithClickedButtonIndex(NSInteger, bool)
{
    std::erase(*s_visibleAlerts, objc::retain(this));
}

std::vector<std::shared_ptr<UIAlertView>> UIAlertView::visibleAlerts()
{
    return *s_visibleAlerts;
}

void UIAlertView::buttonPressed(NSInteger index)
{
    auto keepAlive = objc::retain(this);
    if (auto delegate = m_delegate.lock())
        delegate->clickedButtonAtIndex(this, index);
    dismissWithClickedButtonIndex(index, true);
}

std::shared_ptr<UIButton> UIAlertView::makeButton(NSInteger index)
{
    auto button = UIButton::buttonWithType(UIButtonTypeSystem);
    button->setTitle(buttonTitleAtIndex(index), UIControlStateNormal);
    button->titleLabel()->setFont(index == m_cancelButtonIndex ? UIFont::boldSystemFontOfSize(titleSize)
                                                               : UIFont::systemFontOfSize(titleSize));
    std::weak_ptr<NSObject> weakSelf = weak_from_this();
    button->addTarget(
        [weakSelf, index](UIControl*) {
            if (auto self = std::static_pointer_cast<UIAlertView>(weakSelf.lock()))
                self->buttonPressed(index);
        },
        UIControlEventTouchUpInside);
    return button;
}

CGFloat UIAlertView::placeLabel(const std::string& text, bool bold, CGFloat size, CGFloat y)
{
    auto font = bold ? UIFont::boldSystemFontOfSize(size) : UIFont::systemFontOfSize(size);
    CGFloat width = boxWidth - 2 * margin;
    CGFloat height
        = TextMetrics::current().layout(NSAttributedString(text, { font, {}, {} }), 1, width).size().height;
    auto label = UILabel::create(CGRectMake(margin, y, width, height));
    label->setFont(font);
    label->setTextColor(UIColor::blackColor());
    label->setTextAlignment(NSTextAlignmentCenter);
    label->setNumberOfLines(0);
    label->setText(text);
    m_box->addSubview(label);
    return y + height;
}

// The box is rebuilt from the texts and buttons on every layout.
void UIAlertView::layoutSubviews()
{
    if (m_box)
        m_box->removeFromSuperview();
    m_box = UIView::create();
    m_box->setBackgroundColor(UIColor::colorWithWhite(0.97, 1));
    m_box->layer().setCornerRadius(13);
    m_box->setClipsToBounds(true);
    addSubview(m_box);

    CGFloat y = topMargin;
    if (!m_title.empty())
        y = placeLabel(m_title, true, titleSize, y);
    if (!m_message.empty())
        y = placeLabel(m_message, false, messageSize, y + (m_title.empty() ? 0 : 4));
    y += topMargin;

    m_buttonViews.clear();
    for (NSInteger index = 0; index < numberOfButtons(); ++index)
        m_buttonViews.push_back(makeButton(index));
    if (m_buttonViews.size() == 2) {
        // The cancel button, when there is one, is index 0: on the left.
        m_box->addSubview(hairline(CGRectMake(0, y, boxWidth, 0.5)));
        m_box->addSubview(hairline(CGRectMake(boxWidth / 2, y, 0.5, buttonHeight)));
        for (size_t index = 0; index < 2; ++index) {
            m_buttonViews[index]->setFrame(CGRectMake(index * boxWidth / 2, y, boxWidth / 2, buttonHeight));
            m_box->addSubview(m_buttonViews[index]);
        }
        y += buttonHeight;
    } else {
        std::vector<NSInteger> order;
        for (NSInteger index = 0; index < numberOfButtons(); ++index) {
            if (index != m_cancelButtonIndex)
                order.push_back(index);
        }
        if (m_cancelButtonIndex >= 0)
            order.push_back(m_cancelButtonIndex);
        for (NSInteger index : order) {
            m_box->addSubview(hairline(CGRectMake(0, y, boxWidth, 0.5)));
            auto& button = m_buttonViews[static_cast<size_t>(index)];
            button->setFrame(CGRectMake(0, y, boxWidth, buttonHeight));
            m_box->addSubview(button);
            y += buttonHeight;
        }
    }
    CGRect area = bounds();
    m_box->setFrame(CGRectMake(area.origin.x + (area.size.width - boxWidth) / 2,
        area.origin.y + (area.size.height - y) / 2, boxWidth, y));
}

void UIAlertView::dumpProperties(nlohmann::ordered_json& entry) const
{
    super::dumpProperties(entry);
    entry["title"] = m_title;
    entry["message"] = m_message;
    entry["buttons"] = m_buttonTitles;
    entry["cancelButtonIndex"] = m_cancelButtonIndex;
}
