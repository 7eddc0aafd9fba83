#pragma once

#include "objc/NSObject.h"

#include <memory>
#include <string>

class UIBarButtonItem;
class UIView;

// What a navigation bar shows while a view controller is on top: a title and the buttons at
// either side. A change shows at the bar's next layout.
class UINavigationItem : public NSObject {
    OBJC_CLASS(UINavigationItem, NSObject)
public:
    const std::string& title() const { return m_title; }
    void setTitle(std::string);
    const std::shared_ptr<UIBarButtonItem>& leftBarButtonItem() const { return m_leftBarButtonItem; }
    void setLeftBarButtonItem(std::shared_ptr<UIBarButtonItem>);
    const std::shared_ptr<UIBarButtonItem>& rightBarButtonItem() const { return m_rightBarButtonItem; }
    void setRightBarButtonItem(std::shared_ptr<UIBarButtonItem>);

    // The bar that shows the item, told of changes.
    void setBar(std::weak_ptr<UIView> bar) { m_bar = std::move(bar); }

private:
    void changed();

    std::string m_title;
    std::shared_ptr<UIBarButtonItem> m_leftBarButtonItem;
    std::shared_ptr<UIBarButtonItem> m_rightBarButtonItem;
    std::weak_ptr<UIView> m_bar;
};
