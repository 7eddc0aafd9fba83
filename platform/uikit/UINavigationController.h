#pragma once

#include "uikit/CGGeometry.h"
#include "uikit/UIViewController.h"

#include <functional>
#include <memory>
#include <vector>

class UINavigationBar;

// A stack of view controllers: the top one's view fills the space below the navigation bar,
// which sits under the status bar and shows the top controller's navigation item. Pushing and
// popping while the navigation controller is on screen brackets the change with the appearance
// calls of the controllers that go and come; its own appearance calls pass on to its top
// controller.
// not implemented: animation (every change happens at once), the toolbar, hiding the bar
class UINavigationController : public UIViewController {
    OBJC_CLASS(UINavigationController, UIViewController)
public:
    static constexpr CGFloat statusBarHeight = 20;

    UINavigationController();
    // initWithRootViewController:
    static std::shared_ptr<UINavigationController> create(const std::shared_ptr<UIViewController>& root);

    const std::vector<std::shared_ptr<UIViewController>>& viewControllers() const
    {
        return childViewControllers();
    }
    std::shared_ptr<UIViewController> topViewController() const;
    void pushViewController(const std::shared_ptr<UIViewController>&, bool animated);
    // The controller taken off, or nothing when only the root is left.
    std::shared_ptr<UIViewController> popViewControllerAnimated(bool animated);
    const std::shared_ptr<UINavigationBar>& navigationBar() const { return m_navigationBar; }

    void loadView() override;
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    void viewDidDisappear(bool animated) override;

private:
    // Puts the new top controller's view in place of the old one's, with the appearance calls when on screen.
    void replaceTop(const std::shared_ptr<UIViewController>& leaving,
        const std::shared_ptr<UIViewController>& coming, bool animated,
        const std::function<void()>& removeLeaving);
    void updateBarItems();
    void placeContent(UIViewController&);

    std::shared_ptr<UINavigationBar> m_navigationBar;
    bool m_onScreen { false };
};
