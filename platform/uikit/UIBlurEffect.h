#pragma once

#include "foundation/NSObjCRuntime.h"
#include "uikit/UIVisualEffect.h"

#include <memory>

enum UIBlurEffectStyle : NSInteger {
    UIBlurEffectStyleExtraLight = 0,
    UIBlurEffectStyleLight = 1,
    UIBlurEffectStyleDark = 2,
};

// A blur of what lies beneath, tinted by its style.
class UIBlurEffect : public UIVisualEffect {
    OBJC_CLASS(UIBlurEffect, UIVisualEffect)
public:
    explicit UIBlurEffect(UIBlurEffectStyle style)
        : m_style(style)
    { }
    static std::shared_ptr<UIBlurEffect> effectWithStyle(NSInteger style)
    {
        return std::make_shared<UIBlurEffect>(static_cast<UIBlurEffectStyle>(style));
    }

    UIBlurEffectStyle style() const { return m_style; }

private:
    UIBlurEffectStyle m_style;
};
