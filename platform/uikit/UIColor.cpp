#include "uikit/UIColor.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

UIColor::UIColor(CGFloat red, CGFloat green, CGFloat blue, CGFloat alpha)
    : m_red(std::clamp(red, 0.0, 1.0))
    , m_green(std::clamp(green, 0.0, 1.0))
    , m_blue(std::clamp(blue, 0.0, 1.0))
    , m_alpha(std::clamp(alpha, 0.0, 1.0))
{
}

std::shared_ptr<UIColor> UIColor::colorWithRed(CGFloat red, CGFloat green, CGFloat blue, CGFloat alpha)
{
    return std::make_shared<UIColor>(red, green, blue, alpha);
}

std::shared_ptr<UIColor> UIColor::colorWithWhite(CGFloat white, CGFloat alpha)
{
    return colorWithRed(white, white, white, alpha);
}

std::shared_ptr<UIColor> UIColor::whiteColor() { return colorWithWhite(1, 1); }
std::shared_ptr<UIColor> UIColor::blackColor() { return colorWithWhite(0, 1); }
std::shared_ptr<UIColor> UIColor::clearColor() { return colorWithWhite(0, 0); }
std::shared_ptr<UIColor> UIColor::redColor() { return colorWithRed(1, 0, 0, 1); }
std::shared_ptr<UIColor> UIColor::greenColor() { return colorWithRed(0, 1, 0, 1); }
std::shared_ptr<UIColor> UIColor::grayColor() { return colorWithWhite(0.5, 1); }

std::shared_ptr<UIColor> UIColor::colorWithAlphaComponent(CGFloat alpha) const
{
    return colorWithRed(m_red, m_green, m_blue, alpha);
}

std::string UIColor::hexString() const
{
    auto byte = [](CGFloat component) { return static_cast<unsigned>(std::lround(component * 255)); };
    char buffer[10];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x%02x", byte(m_red), byte(m_green), byte(m_blue), byte(m_alpha));
    return buffer;
}

bool UIColor::isEqual(const UIColor& other) const
{
    return m_red == other.m_red && m_green == other.m_green && m_blue == other.m_blue && m_alpha == other.m_alpha;
}
