#pragma once

#include "dispatch/RunLoop.h"
#include "objc/NSObject.h"
#include "uikit/CGGeometry.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <type_traits>
#include <vector>

class UIGestureRecognizerDelegate;
class UITouch;
class UITouchDispatcher;
class UIView;

enum class UIGestureRecognizerState {
    Possible,
    Began,
    Changed,
    Ended,
    Cancelled,
    Failed,
    Recognized = Ended
};

// Watches the touches that reach its view (or the view's subviews) and, when it recognises its
// gesture, sends its actions on the next turn of the main run loop.
//
// States move only along the platform's transitions: Possible to Began, Recognized or Failed;
// Began and Changed to Changed, Ended or Cancelled. Anything else is a programming error and
// throws std::logic_error. A recogniser that must wait for others to fail
// (requireGestureRecognizerToFail) holds its recognition back until they have failed, and fails
// itself when one of them recognises. A delegate that answers NO to gestureRecognizerShouldBegin
// makes it fail where it would have begun or recognised. The touch dispatcher puts finished
// recognisers back to Possible when the next touch begins, so an action still reads the state it
// was sent for.
class UIGestureRecognizer : public NSObject {
    OBJC_CLASS(UIGestureRecognizer, NSObject)
public:
    using Action = std::function<void(UIGestureRecognizer*)>;

    UIGestureRecognizer() = default;
    // initWithTarget:action:
    template <class Target, class T, class R>
    UIGestureRecognizer(const std::shared_ptr<Target>& target, void (T::*action)(R*))
    {
        addTarget(target, action);
    }

    // The target is held weakly: once it is gone its action is skipped. The action may take any
    // kind of recogniser; sending it from another kind is a programming error.
    template <class Target, class T, class R>
    void addTarget(const std::shared_ptr<Target>& target, void (T::*action)(R*))
    {
        static_assert(std::is_base_of_v<UIGestureRecognizer, R>);
        std::weak_ptr<T> weakTarget = target;
        addTarget([weakTarget, action](UIGestureRecognizer* recognizer) {
            auto strongTarget = weakTarget.lock();
            if (!strongTarget)
                return;
            auto* typed = dynamic_cast<R*>(recognizer);
            if (!typed)
                throw std::logic_error("gesture action does not take a " + recognizer->className());
            ((*strongTarget).*action)(typed);
        });
    }
    void addTarget(Action action) { m_actions.push_back(std::move(action)); }

    std::shared_ptr<UIView> view() const { return m_view.lock(); }
    void setView(std::weak_ptr<UIView> view) { m_view = std::move(view); }
    UIGestureRecognizerState state() const { return m_state; }
    std::shared_ptr<UIGestureRecognizerDelegate> delegate() const { return m_delegate.lock(); }
    void setDelegate(std::weak_ptr<UIGestureRecognizerDelegate> delegate)
    {
        m_delegate = std::move(delegate);
    }
    bool isEnabled() const { return m_enabled; }
    // Turning a recogniser off ends the gesture it is following.
    void setEnabled(bool);

    void requireGestureRecognizerToFail(const std::shared_ptr<UIGestureRecognizer>& other);

    // Where the touch is (or was last), in the view's coordinates; nullptr: the screen's.
    CGPoint locationInView(const UIView* view) const;

    // When this recogniser recognises, it fails the others following the same touch that it can
    // prevent and that can be prevented by it.
    virtual bool canPreventGestureRecognizer(const UIGestureRecognizer&) const { return true; }
    virtual bool canBePreventedByGestureRecognizer(const UIGestureRecognizer&) const { return true; }

protected:
    virtual void touchesBegan(const UITouch&) { }
    virtual void touchesMoved(const UITouch&) { }
    virtual void touchesEnded(const UITouch&) { }
    // A gesture under way is cancelled; one not yet recognised fails.
    virtual void touchesCancelled(const UITouch&);
    // Forget the gesture, ready for the next one.
    virtual void reset() { }

    void setState(UIGestureRecognizerState);
    bool isTouchDown() const { return m_touchDown; }
    // Runs the block after `delay` of virtual time, unless the recogniser is reset or the delay
    // is cancelled first.
    void performAfterDelay(NSTimeInterval delay, std::function<void()> block);
    void cancelDelayedPerforms() { ++m_delayGeneration; }

private:
    friend class UITouchDispatcher;

    bool isAwaitingRequirements() const;
    bool hasDeferredRecognition() const { return m_deferredState.has_value(); }
    void changeState(UIGestureRecognizerState);
    void requirementFailed();
    void requirementRecognized();
    void sendActionsLater();
    void resetForNextGesture();

    std::weak_ptr<UIView> m_view;
    std::weak_ptr<UIGestureRecognizerDelegate> m_delegate;
    UIGestureRecognizerState m_state { UIGestureRecognizerState::Possible };
    std::optional<UIGestureRecognizerState> m_deferredState;
    bool m_enabled { true };
    std::vector<Action> m_actions;
    std::vector<std::weak_ptr<UIGestureRecognizer>> m_failureRequirements;
    std::vector<std::weak_ptr<UIGestureRecognizer>> m_dependents;

    // Kept by the touch dispatcher.
    bool m_isFollowingGesture { false };
    bool m_touchDown { false };
    CGPoint m_location {};

    std::uint64_t m_delayGeneration { 0 };
};
