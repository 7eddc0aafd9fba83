#pragma once

#include "objc/NSObject.h"
#include "uikit/CGGeometry.h"

#include <memory>
#include <string>

// An RGBA colour, components from 0 to 1.
class UIColor : public NSObject {
    OBJC_CLASS(UIColor, NSObject)
public:
    UIColor(CGFloat red, CGFloat green, CGFloat blue, CGFloat alpha);

    static std::shared_ptr<UIColor> colorWithRed(CGFloat red, CGFloat green, CGFloat blue, CGFloat alpha);
    static std::shared_ptr<UIColor> colorWithWhite(CGFloat white, CGFloat alpha);
    static std::shared_ptr<UIColor> whiteColor();
    static std::shared_ptr<UIColor> blackColor();
    static std::shared_ptr<UIColor> clearColor();
    static std::shared_ptr<UIColor> redColor();
    static std::shared_ptr<UIColor> greenColor();
    static std::shared_ptr<UIColor> grayColor();

    std::shared_ptr<UIColor> colorWithAlphaComponent(CGFloat alpha) const;

    CGFloat red() const { return m_red; }
    CGFloat green() const { return m_green; }
    CGFloat blue() const { return m_blue; }
    CGFloat alpha() const { return m_alpha; }

    // "#rrggbbaa", as view-tree dumps write colours.
    std::string hexString() const;
    bool isEqual(const UIColor& other) const;

private:
    CGFloat m_red, m_green, m_blue, m_alpha;
};
