#pragma once

#include "uikit/UIView.h"
#include "uikit/UIWindow.h"

#include <memory>

class OBContainerView;
class UITapGestureRecognizer;

// The window of a container view. It lies at the status bar's level: above SpringBoard's root
// window, below alerts.
class OBContainerWindow : public UIWindow {
    OBJC_CLASS(OBContainerWindow, UIWindow)
public:
    explicit OBContainerWindow(const std::shared_ptr<OBContainerView>& containerView);
    // From now on a tap on the window that nothing inside takes (no gesture recogniser or control
    // of a view inside claims it) hides the container view.
    void enableTapToTerminate();
    bool isTapToTerminateEnabled() const { return m_tapToTerminate; }

private:
    void terminate(UITapGestureRecognizer*);

    std::weak_ptr<OBContainerView> m_containerView;
    bool m_tapToTerminate { false };
};

// The support library's base of full-screen views presented in a window of their own
// (declared here, implemented by the support library). Subclasses override the four view
// hooks, calling the base first; the base calls them around show and hide.
class OBContainerView : public UIView {
    OBJC_CLASS(OBContainerView, UIView)
public:
    OBContainerView();
    ~OBContainerView() override;
    // The base's set-up: makes the container window, hidden; false when it could not be made.
    virtual bool init();

    // Presents the view in its container window above SpringBoard's windows, sized to the
    // screen, then calls viewWillShow and viewDidShow: the window appears at once, without an
    // animation. Does nothing while shown, or before init.
    virtual void show();
    // viewWillHide, then the window leaves the screen and viewDidHide. Does nothing unless shown.
    virtual void hide();
    virtual void viewWillShow() { }
    virtual void viewDidShow() { }
    virtual void viewWillHide() { }
    virtual void viewDidHide() { }
    // Sizes the view and its window to the screen in SpringBoard's current orientation.
    virtual void updateFrame();

    const std::shared_ptr<OBContainerWindow>& containerWindow() const { return m_containerWindow; }
    // True from show until hide.
    bool isActive() const { return m_active; }
    // SpringBoard's orientation is upright portrait.
    bool isPortrait() const;

private:
    std::shared_ptr<OBContainerWindow> m_containerWindow;
    bool m_active { false };
};
