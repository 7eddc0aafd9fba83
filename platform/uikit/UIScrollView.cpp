#include "uikit/UIScrollView.h"

#include "uikit/UIPanGestureRecognizer.h"
#include "uikit/ViewDump.h"

#include <algorithm>
#include <nlohmann/json.hpp>

std::shared_ptr<UIScrollView> UIScrollView::create(CGRect frame)
{
    auto scrollView = std::make_shared<UIScrollView>(frame);
    scrollView->installPanGestureRecognizer();
    return scrollView;
}

void UIScrollView::installPanGestureRecognizer()
{
    auto self = objc::retain(this);
    m_pan = std::make_shared<UIPanGestureRecognizer>(self, &UIScrollView::panned);
    m_pan->setDelegate(std::static_pointer_cast<UIGestureRecognizerDelegate>(self));
    addGestureRecognizer(m_pan);
}

void UIScrollView::setContentOffset(CGPoint offset, bool)
{
    CGRect area = bounds();
    if (area.origin == offset)
        return;
    area.origin = offset;
    setBounds(area);
    contentOffsetDidChange();
}

CGPoint UIScrollView::maximumOffset() const
{
    return CGPointMake(
        std::max(0.0, m_contentSize.width - width()), std::max(0.0, m_contentSize.height - height()));
}

bool UIScrollView::gestureRecognizerShouldBegin(UIGestureRecognizer* recognizer)
{
    if (recognizer != m_pan.get())
        return true;
    CGPoint maximum = maximumOffset();
    return m_scrollEnabled && (maximum.x > 0 || maximum.y > 0);
}

void UIScrollView::panned(UIPanGestureRecognizer* pan)
{
    if (pan->state() == UIGestureRecognizerState::Began)
        m_offsetAtPanStart = contentOffset();
    if (pan->state() != UIGestureRecognizerState::Began && pan->state() != UIGestureRecognizerState::Changed)
        return;
    CGPoint moved = pan->translationInView(this);
    CGPoint maximum = maximumOffset();
    setContentOffset(CGPointMake(std::clamp(m_offsetAtPanStart.x - moved.x, 0.0, maximum.x),
        std::clamp(m_offsetAtPanStart.y - moved.y, 0.0, maximum.y)));
}

void UIScrollView::dumpProperties(nlohmann::ordered_json& entry) const
{
    super::dumpProperties(entry);
    entry["contentSize"] = ViewDump::size(m_contentSize);
    entry["contentOffset"] = ViewDump::point(contentOffset());
    entry["scrollEnabled"] = m_scrollEnabled;
}
