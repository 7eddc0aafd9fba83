#include "uikit/UIViewController.h"

#include "uikit/UINavigationController.h"
#include "uikit/UINavigationItem.h"
#include "uikit/UIScreen.h"
#include "uikit/UIView.h"

#include <algorithm>

const std::shared_ptr<UIView>& UIViewController::view()
{
    if (!m_view) {
        loadView();
        if (!m_view)
            m_view = UIView::create(UIScreen::mainScreen()->bounds());
        viewDidLoad();
    }
    return m_view;
}

void UIViewController::loadView()
{
    m_view = UIView::create(UIScreen::mainScreen()->bounds());
}

void UIViewController::beginAppearanceTransition(bool isAppearing, bool animated)
{
    m_appearing = isAppearing;
    m_transitionAnimated = animated;
    if (isAppearing)
        viewWillAppear(animated);
    else
        viewWillDisappear(animated);
}

void UIViewController::endAppearanceTransition()
{
    if (m_appearing)
        viewDidAppear(m_transitionAnimated);
    else
        viewDidDisappear(m_transitionAnimated);
}

void UIViewController::setTitle(std::string title)
{
    m_title = title;
    navigationItem()->setTitle(std::move(title));
}

const std::shared_ptr<UINavigationItem>& UIViewController::navigationItem()
{
    if (!m_navigationItem) {
        m_navigationItem = std::make_shared<UINavigationItem>();
        m_navigationItem->setTitle(m_title);
    }
    return m_navigationItem;
}

std::shared_ptr<UINavigationController> UIViewController::navigationController() const
{
    for (auto parent = parentViewController(); parent; parent = parent->parentViewController()) {
        if (auto navigation = objc::cast<UINavigationController>(parent))
            return navigation;
    }
    return nullptr;
}

void UIViewController::addChildViewController(const std::shared_ptr<UIViewController>& child)
{
    if (!child || child->parentViewController().get() == this)
        return;
    child->removeFromParentViewController();
    m_children.push_back(child);
    child->m_parent = objc::retain(this);
}

void UIViewController::removeFromParentViewController()
{
    auto parent = parentViewController();
    if (!parent)
        return;
    auto keepAlive = objc::retain(this);
    std::erase(parent->m_children, keepAlive);
    m_parent.reset();
}
