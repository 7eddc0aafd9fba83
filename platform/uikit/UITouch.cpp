#include "uikit/UITouch.h"

#include "uikit/UIView.h"

UITouch::UITouch(CGPoint screenLocation, std::shared_ptr<UIView> view)
    : m_location(screenLocation)
    , m_view(std::move(view))
{ }

CGPoint UITouch::locationInView(const UIView* view) const
{
    return view ? view->convertPointFromView(m_location, nullptr) : m_location;
}
