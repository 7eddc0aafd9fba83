#include "uikit/UIGestureRecognizer.h"

#include "uikit/UIGestureRecognizerDelegate.h"
#include "uikit/UITouchDispatcher.h"
#include "uikit/UIView.h"

#include <string>

namespace {

using State = UIGestureRecognizerState;

bool isAllowedTransition(State from, State to)
{
    switch (from) {
    case State::Possible:
        return to == State::Began || to == State::Recognized || to == State::Failed;
    case State::Began:
    case State::Changed:
        return to == State::Changed || to == State::Ended || to == State::Cancelled;
    default:
        return false;
    }
}

const char* nameOf(State state)
{
    switch (state) {
    case State::Possible:
        return "possible";
    case State::Began:
        return "began";
    case State::Changed:
        return "changed";
    case State::Ended:
        return "ended";
    case State::Cancelled:
        return "cancelled";
    case State::Failed:
        return "failed";
    }
    return "?";
}

} // namespace

void UIGestureRecognizer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    if (enabled)
        return;
    if (m_state == State::Began || m_state == State::Changed)
        changeState(State::Cancelled);
    else if (m_state == State::Possible && m_isFollowingGesture)
        changeState(State::Failed);
}

void UIGestureRecognizer::requireGestureRecognizerToFail(const std::shared_ptr<UIGestureRecognizer>& other)
{
    if (!other || other.get() == this)
        return;
    m_failureRequirements.push_back(other);
    other->m_dependents.push_back(objc::retain(this));
}

CGPoint UIGestureRecognizer::locationInView(const UIView* view) const
{
    return view ? view->convertPointFromView(m_location, nullptr) : m_location;
}

void UIGestureRecognizer::touchesCancelled(const UITouch&)
{
    if (m_state == State::Began || m_state == State::Changed)
        setState(State::Cancelled);
    else if (m_state == State::Possible)
        setState(State::Failed);
}

void UIGestureRecognizer::setState(State state)
{
    if (!isAllowedTransition(m_state, state))
        throw std::logic_error(
            className() + ": no transition from " + nameOf(m_state) + " to " + nameOf(state));
    if ((state == State::Began || state == State::Recognized) && isAwaitingRequirements()) {
        m_deferredState = state;
        return;
    }
    changeState(state);
}

bool UIGestureRecognizer::isAwaitingRequirements() const
{
    for (auto& weakRequirement : m_failureRequirements) {
        auto requirement = weakRequirement.lock();
        if (requirement && requirement->m_isFollowingGesture && requirement->m_state == State::Possible)
            return true;
    }
    return false;
}

void UIGestureRecognizer::changeState(State state)
{
    auto keepAlive = objc::retain(this);
    bool recognizes = m_state == State::Possible && (state == State::Began || state == State::Recognized);
    if (recognizes) {
        if (auto delegate = m_delegate.lock(); delegate && !delegate->gestureRecognizerShouldBegin(this))
            state = State::Failed;
        recognizes = state != State::Failed;
    }
    m_state = state;
    m_deferredState.reset();
    if (state != State::Failed)
        sendActionsLater();
    if (state == State::Ended || state == State::Cancelled || state == State::Failed)
        cancelDelayedPerforms();

    auto dependents = m_dependents;
    for (auto& weakDependent : dependents) {
        auto dependent = weakDependent.lock();
        if (!dependent)
            continue;
        if (state == State::Failed)
            dependent->requirementFailed();
        else if (recognizes)
            dependent->requirementRecognized();
    }
    if (recognizes && m_isFollowingGesture)
        UITouchDispatcher::current().recognizerDidRecognize(*this);
}

void UIGestureRecognizer::requirementFailed()
{
    if (!m_deferredState || isAwaitingRequirements())
        return;
    changeState(*m_deferredState);
    // The touch lifted while this gesture waited: it begins and ends at once.
    if (m_state == State::Began && !m_touchDown)
        changeState(State::Ended);
}

void UIGestureRecognizer::requirementRecognized()
{
    if (m_state == State::Possible)
        changeState(State::Failed);
}

void UIGestureRecognizer::sendActionsLater()
{
    std::weak_ptr<NSObject> weakSelf = weak_from_this();
    dispatch::RunLoop::main().post([weakSelf] {
        auto self = std::static_pointer_cast<UIGestureRecognizer>(weakSelf.lock());
        if (!self)
            return;
        auto actions = self->m_actions;
        for (auto& action : actions)
            action(self.get());
    });
}

void UIGestureRecognizer::performAfterDelay(NSTimeInterval delay, std::function<void()> block)
{
    std::weak_ptr<NSObject> weakSelf = weak_from_this();
    auto generation = m_delayGeneration;
    dispatch::RunLoop::main().postAfter(delay, [weakSelf, generation, block = std::move(block)] {
        auto self = std::static_pointer_cast<UIGestureRecognizer>(weakSelf.lock());
        if (self && self->m_delayGeneration == generation)
            block();
    });
}

void UIGestureRecognizer::resetForNextGesture()
{
    m_state = State::Possible;
    m_deferredState.reset();
    cancelDelayedPerforms();
    reset();
}
