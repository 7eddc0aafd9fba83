#pragma once

#include "uikit/UIView.h"

#include <memory>

class UIVisualEffect;

// Draws its effect over what lies beneath it, inside its bounds; subviews go on
// top of the effect. // not implemented: contentView
class UIVisualEffectView : public UIView {
    OBJC_CLASS(UIVisualEffectView, UIView)
public:
    explicit UIVisualEffectView(std::shared_ptr<UIVisualEffect> effect)
        : m_effect(std::move(effect))
    { }
    static std::shared_ptr<UIVisualEffectView> initWithEffect(std::shared_ptr<UIVisualEffect> effect)
    {
        return std::make_shared<UIVisualEffectView>(std::move(effect));
    }

    const std::shared_ptr<UIVisualEffect>& effect() const { return m_effect; }
    void setEffect(std::shared_ptr<UIVisualEffect> effect) { m_effect = std::move(effect); }

    void dumpProperties(nlohmann::ordered_json& entry) const override;

private:
    std::shared_ptr<UIVisualEffect> m_effect;
};
