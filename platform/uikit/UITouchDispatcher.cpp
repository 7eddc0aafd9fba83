#include "uikit/UITouchDispatcher.h"

#include "dispatch/RunLoop.h"
#include "objc/ProcessLocal.h"
#include "uikit/UIControl.h"
#include "uikit/UIGestureRecognizer.h"
#include "uikit/UITouch.h"
#include "uikit/UIView.h"

#include <algorithm>

namespace {

using State = UIGestureRecognizerState;

bool contains(
    const std::vector<std::shared_ptr<UIGestureRecognizer>>& list, const UIGestureRecognizer* recognizer)
{
    return std::any_of(list.begin(), list.end(), [&](auto& entry) { return entry.get() == recognizer; });
}

std::shared_ptr<UIControl> enabledControlAt(const std::shared_ptr<UIView>& view)
{
    for (auto current = view; current; current = current->superview()) {
        if (auto control = objc::cast<UIControl>(current))
            return control->isEnabled() ? control : nullptr;
    }
    return nullptr;
}

} // namespace

UITouchDispatcher& UITouchDispatcher::current()
{
    static objc::ProcessLocal<std::shared_ptr<UITouchDispatcher>> s_current;
    if (!*s_current)
        s_current = std::make_shared<UITouchDispatcher>();
    return **s_current;
}

std::vector<std::shared_ptr<UIGestureRecognizer>> UITouchDispatcher::recognizersSeeing(
    const std::shared_ptr<UIView>& view, const UIControl* control) const
{
    std::vector<std::shared_ptr<UIGestureRecognizer>> chain;
    bool aboveControl = false;
    for (auto current = view; current; current = current->superview()) {
        for (auto& recognizer : current->gestureRecognizers()) {
            if (!recognizer->isEnabled()
                || (aboveControl && control->keepsTouchFromGestureRecognizer(*recognizer)))
                continue;
            chain.push_back(recognizer);
        }
        aboveControl = aboveControl || current.get() == control;
    }
    return chain;
}

void UITouchDispatcher::failRecognizersLeftBehind(
    const std::vector<std::shared_ptr<UIGestureRecognizer>>& chain)
{
    auto followers = m_followers;
    for (auto& follower : followers) {
        if (follower->state() == State::Possible && !follower->hasDeferredRecognition()
            && !contains(chain, follower.get()))
            follower->changeState(State::Failed);
    }
}

void UITouchDispatcher::resetFinishedRecognizers()
{
    std::erase_if(m_followers, [](auto& follower) {
        if (follower->state() == State::Possible)
            return false;
        follower->m_isFollowingGesture = false;
        follower->resetForNextGesture();
        return true;
    });
}

void UITouchDispatcher::touchBegan(const std::shared_ptr<UITouch>& touch)
{
    m_touch = touch;
    auto control = enabledControlAt(touch->view());
    auto chain = recognizersSeeing(touch->view(), control.get());
    std::vector<std::shared_ptr<UIView>> followedViews;
    for (auto& recognizer : chain)
        followedViews.push_back(recognizer->view());

    failRecognizersLeftBehind(chain);
    // The gestures settled above send their actions before their recognisers start afresh.
    dispatch::RunLoop::main().runUntilIdle();
    resetFinishedRecognizers();

    for (auto& recognizer : chain) {
        if (contains(m_followers, recognizer.get()))
            continue;
        if (recognizer->state() != State::Possible)
            recognizer->resetForNextGesture();
        recognizer->m_isFollowingGesture = true;
        m_followers.push_back(recognizer);
    }
    for (auto& follower : m_followers) {
        if (!contains(chain, follower.get()))
            followedViews.push_back(follower->view());
    }
    m_followedViews = std::move(followedViews);
    m_receivers = std::move(chain);
    for (auto& receiver : m_receivers)
        receiver->m_touchDown = true;
    deliver([&](UIGestureRecognizer& recognizer) { recognizer.touchesBegan(*touch); });

    m_trackingControl = control;
    if (control)
        control->touchesBegan(*touch);
}

template <class Deliver> void UITouchDispatcher::deliver(Deliver&& send)
{
    auto receivers = m_receivers;
    for (auto& receiver : receivers) {
        State state = receiver->state();
        bool underWay = state == State::Possible || state == State::Began || state == State::Changed;
        if (!receiver->m_isFollowingGesture || !underWay || receiver->hasDeferredRecognition())
            continue;
        receiver->m_location = m_touch->screenLocation();
        send(*receiver);
    }
}

void UITouchDispatcher::touchMoved()
{
    if (!m_touch)
        return;
    deliver([&](UIGestureRecognizer& recognizer) { recognizer.touchesMoved(*m_touch); });
    if (m_trackingControl)
        m_trackingControl->touchesMoved(*m_touch);
}

void UITouchDispatcher::touchEnded()
{
    if (!m_touch)
        return;
    for (auto& receiver : m_receivers)
        receiver->m_touchDown = false;
    deliver([&](UIGestureRecognizer& recognizer) { recognizer.touchesEnded(*m_touch); });
    if (auto control = std::move(m_trackingControl))
        control->touchesEnded(*m_touch);
    m_receivers.clear();
    m_touch.reset();
}

void UITouchDispatcher::recognizerDidRecognize(UIGestureRecognizer& winner)
{
    auto followers = m_followers;
    for (auto& follower : followers) {
        if (follower.get() == &winner || !follower->m_isFollowingGesture
            || follower->state() != State::Possible)
            continue;
        if (winner.canPreventGestureRecognizer(*follower)
            && follower->canBePreventedByGestureRecognizer(winner))
            follower->changeState(State::Failed);
    }
    if (auto control = std::move(m_trackingControl))
        control->touchesCancelled(*m_touch);
}
