#include "uikit/UITouchSimulator.h"

#include "uikit/UIAlertView.h"
#include "uikit/UIApplication.h"
#include "uikit/UIButton.h"
#include "uikit/UITouch.h"
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
    std::vector<std::shared_ptr<UIView>> roots;
    auto alerts = UIAlertView::visibleAlerts();
    if (!alerts.empty())
        roots.push_back(alerts.back());
    else if (m_window)
        roots.push_back(m_window);
    else {
        auto windows = UIApplication::sharedApplication()->windowsOnScreen();
        roots.assign(windows.rbegin(), windows.rend());
    }
    for (auto& root : roots) {
        root->layoutIfNeeded();
        if (auto view = root->hitTest(root->convertPointFromView(point, nullptr)))
            return view;
    }
    return nullptr;
}

void UITouchSimulator::touchDown(CGPoint point)
{
    if (m_touch)
        throw std::logic_error("UITouchSimulator: a finger is already down");
    // On a phone, layout runs at the end of the turn that asked for it, so a finger lands on a
    // settled screen. Here layout waits for the next look at the screen, so let it run, and the
    // work it starts (a table reloading its rows), before the finger comes down.
    viewAtPoint(point);
    settle();
    m_touch = std::make_shared<UITouch>(point, viewAtPoint(point));
    UIApplication::sharedApplication()->sendEvent(m_touch, UITouchPhaseBegan);
    settle();
}

void UITouchSimulator::touchMove(CGPoint point)
{
    if (!m_touch)
        throw std::logic_error("UITouchSimulator: no finger is down");
    m_touch->moveTo(point);
    UIApplication::sharedApplication()->sendEvent(m_touch, UITouchPhaseMoved);
    settle();
}

void UITouchSimulator::touchUp()
{
    if (!m_touch)
        throw std::logic_error("UITouchSimulator: no finger is down");
    UIApplication::sharedApplication()->sendEvent(m_touch, UITouchPhaseEnded);
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
