#include "uikit/UIVisualEffectView.h"

#include "uikit/UIBlurEffect.h"

#include <nlohmann/json.hpp>

void UIVisualEffectView::dumpProperties(nlohmann::ordered_json& entry) const
{
    super::dumpProperties(entry);
    if (!m_effect) {
        entry["effect"] = nullptr;
        return;
    }
    nlohmann::ordered_json effect { { "class", m_effect->className() } };
    if (auto blur = std::dynamic_pointer_cast<UIBlurEffect>(m_effect))
        effect["style"] = blur->style();
    entry["effect"] = std::move(effect);
}
