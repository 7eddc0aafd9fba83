#include "uikit/UINavigationItem.h"

#include "uikit/UIBarButtonItem.h"
#include "uikit/UIView.h"

void UINavigationItem::setTitle(std::string title)
{
    m_title = std::move(title);
    changed();
}

void UINavigationItem::setLeftBarButtonItem(std::shared_ptr<UIBarButtonItem> item)
{
    m_leftBarButtonItem = std::move(item);
    changed();
}

void UINavigationItem::setRightBarButtonItem(std::shared_ptr<UIBarButtonItem> item)
{
    m_rightBarButtonItem = std::move(item);
    changed();
}

void UINavigationItem::changed()
{
    if (auto bar = m_bar.lock())
        bar->setNeedsLayout();
}
