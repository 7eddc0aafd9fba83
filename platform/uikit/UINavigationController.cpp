#include "uikit/UINavigationController.h"

#include "uikit/UINavigationBar.h"
#include "uikit/UINavigationItem.h"
#include "uikit/UIScreen.h"

UINavigationController::UINavigationController()
    : m_navigationBar(std::make_shared<UINavigationBar>())
{ }

std::shared_ptr<UINavigationController> UINavigationController::create(
    const std::shared_ptr<UIViewController>& root)
{
    auto navigation = std::make_shared<UINavigationController>();
    if (root)
        navigation->pushViewController(root, false);
    return navigation;
}

std::shared_ptr<UIViewController> UINavigationController::topViewController() const
{
    auto& stack = viewControllers();
    return stack.empty() ? nullptr : stack.back();
}

void UINavigationController::loadView()
{
    CGRect screen = UIScreen::mainScreen()->bounds();
    auto container = UIView::create(screen);
    m_navigationBar->setFrame(CGRectMake(0, statusBarHeight, screen.size.width, UINavigationBar::barHeight));
    m_navigationBar->setAutoresizingMask(UIViewAutoresizingFlexibleWidth);
    container->addSubview(m_navigationBar);
    setView(container);
    if (auto top = topViewController())
        placeContent(*top);
}

void UINavigationController::placeContent(UIViewController& controller)
{
    auto& container = view();
    CGFloat contentTop = m_navigationBar->frame().origin.y + m_navigationBar->height();
    auto& content = controller.view();
    content->setFrame(CGRectMake(0, contentTop, container->width(), container->height() - contentTop));
    content->setAutoresizingMask(UIViewAutoresizingFlexibleWidth | UIViewAutoresizingFlexibleHeight);
    container->addSubview(content);
}

void UINavigationController::replaceTop(const std::shared_ptr<UIViewController>& leaving,
    const std::shared_ptr<UIViewController>& coming, bool animated,
    const std::function<void()>& removeLeaving)
{
    // A view is loaded before its controller hears that it will appear.
    if (isViewLoaded())
        coming->view();
    if (m_onScreen) {
        if (leaving)
            leaving->beginAppearanceTransition(false, animated);
        coming->beginAppearanceTransition(true, animated);
    }
    // A controller popped still has its navigation controller while it hears it will disappear.
    if (removeLeaving)
        removeLeaving();
    updateBarItems();
    if (isViewLoaded()) {
        if (leaving && leaving->isViewLoaded())
            leaving->view()->removeFromSuperview();
        placeContent(*coming);
    }
    if (m_onScreen) {
        if (leaving)
            leaving->endAppearanceTransition();
        coming->endAppearanceTransition();
    }
}

void UINavigationController::pushViewController(
    const std::shared_ptr<UIViewController>& controller, bool animated)
{
    if (!controller || controller->parentViewController().get() == this)
        return;
    auto leaving = topViewController();
    addChildViewController(controller);
    replaceTop(leaving, controller, animated, {});
}

std::shared_ptr<UIViewController> UINavigationController::popViewControllerAnimated(bool animated)
{
    auto& stack = viewControllers();
    if (stack.size() < 2)
        return nullptr;
    auto leaving = stack.back();
    auto coming = stack[stack.size() - 2];
    replaceTop(leaving, coming, animated, [&] { leaving->removeFromParentViewController(); });
    return leaving;
}

void UINavigationController::updateBarItems()
{
    std::vector<std::shared_ptr<UINavigationItem>> items;
    for (auto& controller : viewControllers())
        items.push_back(controller->navigationItem());
    m_navigationBar->setItems(std::move(items));
}

void UINavigationController::viewWillAppear(bool animated)
{
    if (auto top = topViewController())
        top->beginAppearanceTransition(true, animated);
}

void UINavigationController::viewDidAppear(bool)
{
    m_onScreen = true;
    if (auto top = topViewController())
        top->endAppearanceTransition();
}

void UINavigationController::viewWillDisappear(bool animated)
{
    if (auto top = topViewController())
        top->beginAppearanceTransition(false, animated);
}

void UINavigationController::viewDidDisappear(bool)
{
    m_onScreen = false;
    if (auto top = topViewController())
        top->endAppearanceTransition();
}
