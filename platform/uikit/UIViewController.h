#pragma once

#include "uikit/UIResponder.h"

#include <memory>
#include <string>
#include <vector>

class UINavigationController;
class UINavigationItem;
class UIView;

// A screenful of content and its life: the view is made on first use (loadView, then
// viewDidLoad), and whoever shows or hides it (a container, or the host for the root) brackets
// each change with the appearance calls, through begin/endAppearanceTransition.
// not implemented: presenting other view controllers modally, rotation
class UIViewController : public UIResponder {
    OBJC_CLASS(UIViewController, UIResponder)
public:
    static std::shared_ptr<UIViewController> create() { return std::make_shared<UIViewController>(); }

    const std::shared_ptr<UIView>& view();
    void setView(std::shared_ptr<UIView> view) { m_view = std::move(view); }
    bool isViewLoaded() const { return m_view != nullptr; }
    // Makes the view; by default a plain view the size of the main screen.
    virtual void loadView();
    virtual void viewDidLoad() { }

    virtual void viewWillAppear(bool) { }
    virtual void viewDidAppear(bool) { }
    virtual void viewWillDisappear(bool) { }
    virtual void viewDidDisappear(bool) { }
    // The will-call for appearing or disappearing; endAppearanceTransition makes the matching
    // did-call.
    void beginAppearanceTransition(bool isAppearing, bool animated);
    void endAppearanceTransition();

    const std::string& title() const { return m_title; }
    // Also the navigation item's title.
    void setTitle(std::string);
    const std::shared_ptr<UINavigationItem>& navigationItem();

    std::shared_ptr<UIViewController> parentViewController() const { return m_parent.lock(); }
    // The nearest navigation controller among the containers above this one.
    std::shared_ptr<UINavigationController> navigationController() const;
    const std::vector<std::shared_ptr<UIViewController>>& childViewControllers() const { return m_children; }
    void addChildViewController(const std::shared_ptr<UIViewController>&);
    void removeFromParentViewController();

private:
    std::shared_ptr<UIView> m_view;
    std::string m_title;
    std::shared_ptr<UINavigationItem> m_navigationItem;
    std::weak_ptr<UIViewController> m_parent;
    std::vector<std::shared_ptr<UIViewController>> m_children;
    bool m_appearing { false };
    bool m_transitionAnimated { false };
};
