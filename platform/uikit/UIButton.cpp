#include "uikit/UIButton.h"

#include "uikit/NSAttributedString.h"
#include "uikit/TextMetrics.h"
#include "uikit/UIFont.h"
#include "uikit/UIImage.h"
#include "uikit/UIImageView.h"
#include "uikit/UILabel.h"
#include "uikit/ViewDump.h"

#include <algorithm>
#include <nlohmann/json.hpp>

namespace {

constexpr CGFloat titleFontSize = 15;

template <class Value> Value valueForState(const std::map<unsigned, Value>& values, unsigned state)
{
    if (auto found = values.find(state); found != values.end())
        return found->second;
    if (auto normal = values.find(UIControlStateNormal); normal != values.end())
        return normal->second;
    return Value {};
}

std::shared_ptr<UIColor> systemTintColor()
{
    return UIColor::colorWithRed(0, 122 / 255.0, 1, 1);
}

} // namespace

UIButton::UIButton(CGRect frame, UIButtonType type)
    : UIControl(frame)
    , m_buttonType(type)
{ }

std::shared_ptr<UIButton> UIButton::buttonWithType(UIButtonType type)
{
    return std::make_shared<UIButton>(CGRectZero, type);
}

void UIButton::setTitle(std::string title, unsigned state)
{
    m_titles[state] = std::move(title);
    updateContent();
}

std::optional<std::string> UIButton::titleForState(unsigned state) const
{
    if (auto found = m_titles.find(state); found != m_titles.end())
        return found->second;
    if (auto normal = m_titles.find(UIControlStateNormal); normal != m_titles.end())
        return normal->second;
    return std::nullopt;
}

void UIButton::setTitleColor(std::shared_ptr<UIColor> color, unsigned state)
{
    m_titleColors[state] = std::move(color);
    updateContent();
}

std::shared_ptr<UIColor> UIButton::titleColorForState(unsigned state) const
{
    if (auto color = valueForState(m_titleColors, state))
        return color;
    return m_buttonType == UIButtonTypeSystem ? systemTintColor() : UIColor::whiteColor();
}

void UIButton::setImage(std::shared_ptr<UIImage> image, unsigned state)
{
    m_images[state] = std::move(image);
    updateContent();
}

std::shared_ptr<UIImage> UIButton::imageForState(unsigned state) const
{
    return valueForState(m_images, state);
}

void UIButton::setBackgroundImage(std::shared_ptr<UIImage> image, unsigned state)
{
    m_backgroundImages[state] = std::move(image);
    updateContent();
}

std::shared_ptr<UIImage> UIButton::backgroundImageForState(unsigned state) const
{
    return valueForState(m_backgroundImages, state);
}

const std::shared_ptr<UILabel>& UIButton::titleLabel()
{
    if (!m_titleLabel) {
        m_titleLabel = UILabel::create();
        m_titleLabel->setFont(UIFont::systemFontOfSize(titleFontSize));
        m_titleLabel->setTextAlignment(NSTextAlignmentCenter);
        m_titleLabel->setUserInteractionEnabled(false);
        addSubview(m_titleLabel);
        updateContent();
    }
    return m_titleLabel;
}

const std::shared_ptr<UIImageView>& UIButton::imageView()
{
    if (!m_imageView) {
        m_imageView = UIImageView::create();
        addSubview(m_imageView);
        updateContent();
    }
    return m_imageView;
}

void UIButton::updateContent()
{
    if (auto background = currentBackgroundImage(); background && !m_backgroundView) {
        m_backgroundView = UIImageView::create();
        insertSubviewAtIndex(m_backgroundView, 0);
    }
    if (m_backgroundView)
        m_backgroundView->setImage(currentBackgroundImage());
    if (currentImage() && !m_imageView)
        imageView();
    if (m_imageView)
        m_imageView->setImage(currentImage());
    auto title = currentTitle();
    if (title && !m_titleLabel)
        titleLabel();
    if (m_titleLabel) {
        m_titleLabel->setText(title.value_or(""));
        m_titleLabel->setTextColor(currentTitleColor());
    }
    setNeedsLayout();
}

void UIButton::layoutSubviews()
{
    CGRect area = bounds();
    if (m_backgroundView)
        m_backgroundView->setFrame(area);
    auto image = m_imageView ? m_imageView->image() : nullptr;
    CGSize imageSize = image ? image->size() : CGSize {};
    CGFloat titleWidth = 0;
    if (m_titleLabel && m_titleLabel->attributedText())
        titleWidth = TextMetrics::current().layout(*m_titleLabel->displayedText(), 1, 0).size().width;
    CGFloat x = std::max(0.0, (area.size.width - imageSize.width - titleWidth) / 2);
    if (m_imageView)
        m_imageView->setFrame(
            CGRectMake(x, (area.size.height - imageSize.height) / 2, imageSize.width, imageSize.height));
    if (!m_titleLabel)
        return;
    if (imageSize.width > 0) {
        m_titleLabel->setTextAlignment(NSTextAlignmentLeft);
        m_titleLabel->setFrame(
            CGRectMake(x + imageSize.width, 0, area.size.width - x - imageSize.width, area.size.height));
    } else {
        m_titleLabel->setTextAlignment(NSTextAlignmentCenter);
        m_titleLabel->setFrame(area);
    }
}

void UIButton::dumpProperties(nlohmann::ordered_json& entry) const
{
    super::dumpProperties(entry);
    entry["buttonType"] = m_buttonType;
    if (auto title = currentTitle())
        entry["title"] = *title;
    if (auto image = currentImage())
        entry["image"] = ViewDump::image(image);
    if (auto background = currentBackgroundImage())
        entry["backgroundImage"] = ViewDump::image(background);
}
