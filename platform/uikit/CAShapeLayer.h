#pragma once

#include "uikit/CALayer.h"
#include "uikit/CGPath.h"

// A layer that fills a path. As a mask its filled area is what stays visible of the masked
// layer; its frame places the path in the masked layer's coordinates.
class CAShapeLayer : public CALayer {
    OBJC_CLASS(CAShapeLayer, CALayer)
public:
    static std::shared_ptr<CAShapeLayer> layer() { return std::make_shared<CAShapeLayer>(); }

    const CGPathRef& path() const { return m_path; }
    void setPath(CGPathRef path) { m_path = std::move(path); }
    const std::shared_ptr<UIColor>& fillColor() const { return m_fillColor; }
    void setFillColor(std::shared_ptr<UIColor> color) { m_fillColor = std::move(color); }
    CGRect frame() const { return m_frame; }
    void setFrame(CGRect frame) { m_frame = frame; }

private:
    CGPathRef m_path;
    std::shared_ptr<UIColor> m_fillColor { UIColor::blackColor() };
    CGRect m_frame {};
};
