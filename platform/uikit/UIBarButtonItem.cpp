#include "uikit/UIBarButtonItem.h"

UIBarButtonItem::UIBarButtonItem(
    std::shared_ptr<UIImage> image, std::string title, UIBarButtonItemStyle style, Action action)
    : m_image(std::move(image))
    , m_title(std::move(title))
    , m_style(style)
    , m_action(std::move(action))
{ }

void UIBarButtonItem::sendAction() const
{
    if (m_action)
        m_action();
}
