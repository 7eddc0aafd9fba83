#pragma once

#include "uikit/UIView.h"

#include <functional>
#include <memory>

class UISwipeGestureRecognizer;

// The support library's base of full-screen views that live in SpringBoard's root window
// (declared here, implemented by the support library). The subclass places the view in a
// window; the base fades it in and out on the main run loop's clock and runs each completion
// once afterwards. A fade cut short by the next one stops where it is and runs its completion
// at once. The chrome is a dark blur filling displayContainerView, under what subclasses add.
//
// The close gesture: while the view is active, a downward swipe over it closes it, through the
// subclass's hide when it adopts OBDisplayViewProtocol (else the base fades it out and hides it).
// A swipe that begins on a control or on a view with gesture recognisers of its own (a button, a
// picker, a slider) is theirs and never closes the view.
class OBDisplayView : public UIView {
    OBJC_CLASS(OBDisplayView, UIView)
public:
    // How long showing and hiding animate, in seconds.
    static constexpr double animationDuration = 0.3;

    OBDisplayView();
    ~OBDisplayView() override;
    // The base's set-up; false when it could not be made.
    virtual bool init();

    // The view holding the base's own chrome; subclasses add their content to it or beside it.
    const std::shared_ptr<UIView>& displayContainerView() const { return m_displayContainerView; }
    // Unhides the view in front of its siblings, fades it in, then runs the completion.
    void showWithCompletion(std::function<void()> completion);
    // Fades the view out, then runs the completion (which usually hides it).
    void hideWithCompletion(std::function<void()> completion);
    // Sizes the view (and the container view) to the screen in SpringBoard's current orientation.
    void updateFrameForActiveOrientation();
    // True from showWithCompletion until hideWithCompletion.
    bool isActive() const { return m_active; }

private:
    void closeGestureRecognized(UISwipeGestureRecognizer*);
    void fadeTo(CGFloat target, std::function<void()> completion);
    void finishFade();

    std::shared_ptr<UIView> m_displayContainerView;
    bool m_active { false };
    // Counts fades, so the steps of an interrupted one do nothing.
    unsigned m_animation { 0 };
    std::function<void()> m_pendingCompletion;
};
