#pragma once

#include "objc/NSObject.h"
#include "uikit/CGGeometry.h"

#include <memory>

// The device's display. Its size and scale belong to the device: whoever boots it sets them,
// and a restarted host sees the same screen.
class UIScreen : public NSObject {
    OBJC_CLASS(UIScreen, NSObject)
public:
    UIScreen(CGRect bounds, CGFloat scale);

    static std::shared_ptr<UIScreen> mainScreen();
    static void setMainScreen(CGRect bounds, CGFloat scale);

    CGRect bounds() const { return m_bounds; }
    CGFloat scale() const { return m_scale; }

private:
    CGRect m_bounds;
    CGFloat m_scale;
};
