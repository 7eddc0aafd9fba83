#pragma once

#include "objc/NSObject.h"
#include "uikit/CGGeometry.h"

#include <memory>

class UIView;

// One finger on the screen, from the moment it lands until it lifts.
class UITouch : public NSObject {
    OBJC_CLASS(UITouch, NSObject)
public:
    UITouch(CGPoint screenLocation, std::shared_ptr<UIView> view);

    // The view the finger landed on: the deepest view under it that takes touches.
    const std::shared_ptr<UIView>& view() const { return m_view; }
    // Where the finger is, in the view's coordinates; nullptr: the screen's.
    CGPoint locationInView(const UIView* view) const;
    CGPoint screenLocation() const { return m_location; }
    void moveTo(CGPoint screenLocation) { m_location = screenLocation; }

private:
    CGPoint m_location;
    std::shared_ptr<UIView> m_view;
};
