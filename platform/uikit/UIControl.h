#pragma once

#include "uikit/UIView.h"

#include <functional>
#include <memory>
#include <stdexcept>
#include <type_traits>
#include <vector>

class UIGestureRecognizer;
class UITouch;

enum UIControlEvents : unsigned {
    UIControlEventTouchDown = 1 << 0,
    UIControlEventTouchDragInside = 1 << 2,
    UIControlEventTouchDragOutside = 1 << 3,
    UIControlEventTouchUpInside = 1 << 6,
    UIControlEventTouchUpOutside = 1 << 7,
    UIControlEventTouchCancel = 1 << 8,
    UIControlEventValueChanged = 1 << 12,
    UIControlEventAllEvents = 0xFFFFFFFF,
};

enum UIControlState : unsigned {
    UIControlStateNormal = 0,
    UIControlStateHighlighted = 1 << 0,
    UIControlStateDisabled = 1 << 1,
    UIControlStateSelected = 1 << 2,
};

// A view that turns touches into events (touch down, touch up inside, value changed) and sends
// the actions registered for them at once, as the platform does. A finger that lifts within
// touchSlop points of the control's bounds counts as inside.
class UIControl : public UIView {
    OBJC_CLASS(UIControl, UIView)
public:
    static constexpr CGFloat touchSlop = 70;

    using UIView::UIView;
    using Action = std::function<void(UIControl*)>;

    // The target is held weakly: once it is gone its action is skipped. The action may take any
    // kind of control; sending it from another kind is a programming error.
    template <class Target, class T, class C>
    void addTarget(const std::shared_ptr<Target>& target, void (T::*action)(C*), unsigned events)
    {
        static_assert(std::is_base_of_v<UIControl, C>);
        std::weak_ptr<T> weakTarget = target;
        addTarget(
            [weakTarget, action](UIControl* sender) {
                auto strongTarget = weakTarget.lock();
                if (!strongTarget)
                    return;
                auto* typed = dynamic_cast<C*>(sender);
                if (!typed)
                    throw std::logic_error("control action does not take a " + sender->className());
                ((*strongTarget).*action)(typed);
            },
            events);
    }
    void addTarget(Action action, unsigned events) { m_targets.push_back({ std::move(action), events }); }
    void sendActionsForControlEvents(unsigned events);

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool);
    bool isHighlighted() const { return m_highlighted; }
    void setHighlighted(bool);
    bool isSelected() const { return m_selected; }
    void setSelected(bool);
    unsigned state() const;
    bool isTracking() const { return m_tracking; }

    // The touch dispatcher's calls for the finger on this control.
    void touchesBegan(const UITouch&);
    void touchesMoved(const UITouch&);
    void touchesEnded(const UITouch&);
    void touchesCancelled(const UITouch&);

    // Whether the control keeps a touch on it from a recogniser of an ancestor: by default a
    // single tap, the gesture of a control's own action.
    virtual bool keepsTouchFromGestureRecognizer(const UIGestureRecognizer&) const;

    void dumpProperties(nlohmann::ordered_json& entry) const override;

protected:
    // Return whether to go on tracking the touch.
    virtual bool beginTracking(const UITouch&) { return true; }
    virtual bool continueTracking(const UITouch&) { return true; }
    virtual void endTracking(const UITouch&) { }
    virtual void cancelTracking() { }
    // Enabled, highlighted or selected changed.
    virtual void stateDidChange() { }

    bool isTouchInside(const UITouch&) const;

private:
    struct Target {
        Action action;
        unsigned events;
    };
    std::vector<Target> m_targets;
    bool m_enabled { true };
    bool m_highlighted { false };
    bool m_selected { false };
    bool m_tracking { false };
};
