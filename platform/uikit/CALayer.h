#pragma once

#include "objc/NSObject.h"
#include "uikit/UIColor.h"

#include <memory>

class CAShapeLayer;

// The drawing properties of a view that live on its layer.
class CALayer : public NSObject {
    OBJC_CLASS(CALayer, NSObject)
public:
    CGFloat cornerRadius() const { return m_cornerRadius; }
    void setCornerRadius(CGFloat radius) { m_cornerRadius = radius; }
    bool masksToBounds() const { return m_masksToBounds; }
    void setMasksToBounds(bool masks) { m_masksToBounds = masks; }
    CGFloat borderWidth() const { return m_borderWidth; }
    void setBorderWidth(CGFloat width) { m_borderWidth = width; }
    const std::shared_ptr<UIColor>& borderColor() const { return m_borderColor; }
    void setBorderColor(std::shared_ptr<UIColor> color) { m_borderColor = std::move(color); }
    // A shape whose filled area is what stays visible of the layer.
    const std::shared_ptr<CAShapeLayer>& mask() const { return m_mask; }
    void setMask(std::shared_ptr<CAShapeLayer> mask) { m_mask = std::move(mask); }

private:
    CGFloat m_cornerRadius { 0 };
    bool m_masksToBounds { false };
    CGFloat m_borderWidth { 0 };
    std::shared_ptr<UIColor> m_borderColor;
    std::shared_ptr<CAShapeLayer> m_mask;
};
