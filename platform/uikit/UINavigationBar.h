#pragma once

#include "uikit/NSAttributedString.h"
#include "uikit/UIView.h"

#include <memory>
#include <vector>

class UIBarButtonItem;
class UIButton;
class UILabel;
class UINavigationItem;

// The bar across the top of a navigation controller. It shows its top item: the title in the
// middle, styled by titleTextAttributes (their font and colour; where one is not set, the
// platform's bold 17-point black), and the item's buttons at the left and right edges, drawn in
// the tint colour. Its background is the bar tint, or the platform's light grey without one.
// With a tint colour set, bar button images are drawn in it; without one, as they are.
// not implemented: the back button, translucency
class UINavigationBar : public UIView {
    OBJC_CLASS(UINavigationBar, UIView)
public:
    static constexpr CGFloat barHeight = 44;

    using UIView::UIView;

    // Nothing means the platform's default.
    const std::shared_ptr<UIColor>& tintColor() const { return m_tintColor; }
    void setTintColor(std::shared_ptr<UIColor>);
    const std::shared_ptr<UIColor>& barTintColor() const { return m_barTintColor; }
    void setBarTintColor(std::shared_ptr<UIColor>);
    const NSTextAttributes& titleTextAttributes() const { return m_titleTextAttributes; }
    void setTitleTextAttributes(NSTextAttributes);

    const std::vector<std::shared_ptr<UINavigationItem>>& items() const { return m_items; }
    void setItems(std::vector<std::shared_ptr<UINavigationItem>>);
    std::shared_ptr<UINavigationItem> topItem() const;

    // The views that draw the top item's buttons (after layout), for a finger to find.
    const std::shared_ptr<UIButton>& leftButton() const { return m_leftButton; }
    const std::shared_ptr<UIButton>& rightButton() const { return m_rightButton; }

    void layoutSubviews() override;
    void dumpProperties(nlohmann::ordered_json& entry) const override;

private:
    std::shared_ptr<UIButton> makeButton(const std::shared_ptr<UIBarButtonItem>&);

    std::shared_ptr<UIColor> m_tintColor;
    std::shared_ptr<UIColor> m_barTintColor;
    NSTextAttributes m_titleTextAttributes;
    std::vector<std::shared_ptr<UINavigationItem>> m_items;
    std::shared_ptr<UILabel> m_titleLabel;
    std::shared_ptr<UIButton> m_leftButton;
    std::shared_ptr<UIButton> m_rightButton;
};
