#include "uikit/UITouchSimulator.h"

#include "uikit/UIAlertView.h"
#include "uikit/UIButton.h"
#include "uikit/UITouch.h"
#include "uikit/UITouchDispatcher.h"
#include "uikit/UIWindow.h"

#include <stdexcept>

namespace {

void settle()
{
    dispatch::RunLoop::main().advance(0);
}

} // namespace

UITouchSimulator::UITouchSimulator(std::shared_ptr<UIWindow> window)
    : m_window(std::move(window))
{ }

std::shared_ptr<UIView> UITouchSimulator::viewAtPoint(CGPoint point) const
{
    auto alerts = UIAlertView::visibleAlerts();
    std::shared_ptr<UIView> root
        = alerts.empty() ? std::static_pointer_cast<UIView>(m_window) : alerts.back();
    if (!root)
        return nullptr;
    root->layoutIfNeeded();
    return root->hitTest(root->convertPointFromView(point, nullptr));
}

void UITouchSimulator::touchDown(CGPoint point)
{
    if (m_touch)
        throw std::logic_error("UITouchSimulator: a finger is already down");
    m_touch = std::make_shared<UITouch>(point, viewAtPoint(point));
    UITouchDispatcher::current().touchBegan(m_touch);
    settle();
}

void UITouchSimulator::touchMove(CGPoint point)
{
    if (!m_touch)
        throw std::logic_error("UITouchSimulator: no finger is down");
    m_touch->moveTo(point);
    UITouchDispatcher::current().touchMoved();
    settle();
}

void UITouchSimulator::touchUp()
{
    if (!m_touch)
        throw std::logic_error("UITouchSimulator: no finger is down");
    UITouchDispatcher::current().touchEnded();
    m_touch.reset();
    settle();
}

void UITouchSimulator::tap(CGPoint point)
{
    touchDown(point);
    touchUp();
}

void UITouchSimulator::doubleTap(CGPoint point)
{
    tap(point);
    dispatch::RunLoop::main().advance(doubleTapGap);
    tap(point);
}

void UITouchSimulator::longPress(CGPoint point, NSTimeInterval duration)
{
    touchDown(point);
    dispatch::RunLoop::main().advance(duration);
    touchUp();
}

void UITouchSimulator::swipe(CGPoint start, UISwipeGestureRecognizerDirection direction)
{
    CGPoint end = start;
    switch (direction) {
    case UISwipeGestureRecognizerDirectionRight:
        end.x += swipeDistance;
        break;
    case UISwipeGestureRecognizerDirectionLeft:
        end.x -= swipeDistance;
        break;
    case UISwipeGestureRecognizerDirectionUp:
        end.y -= swipeDistance;
        break;
    case UISwipeGestureRecognizerDirectionDown:
        end.y += swipeDistance;
        break;
    }
    drag(start, end, swipeDuration);
}

void UITouchSimulator::drag(CGPoint from, CGPoint to, NSTimeInterval duration)
{
    touchDown(from);
    for (int step = 1; step <= moveSteps; ++step) {
        dispatch::RunLoop::main().advance(duration / moveSteps);
        CGFloat fraction = static_cast<CGFloat>(step) / moveSteps;
        touchMove(CGPointMake(from.x + (to.x - from.x) * fraction, from.y + (to.y - from.y) * fraction));
    }
    touchUp();
}

bool UITouchSimulator::pressAlertButton(std::string_view title)
{
    auto alerts = UIAlertView::visibleAlerts();
    if (alerts.empty())
        return false;
    auto& alert = alerts.back();
    alert->layoutIfNeeded();
    for (NSInteger index = 0; index < alert->numberOfButtons(); ++index) {
        if (alert->buttonTitleAtIndex(index) != title)
            continue;
        auto button = alert->buttonViewAtIndex(index);
        CGRect area = button->bounds();
        tap(button->convertPointToView(CGPointMake(CGRectGetMidX(area), CGRectGetMidY(area)), nullptr));
        return true;
    }
    return false;
}
