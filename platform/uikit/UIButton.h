#pragma once

#include "foundation/NSObjCRuntime.h"
#include "uikit/UIControl.h"

#include <map>
#include <memory>
#include <optional>
#include <string>

class UIImage;
class UIImageView;
class UILabel;

enum UIButtonType : NSInteger {
    UIButtonTypeCustom = 0,
    UIButtonTypeSystem = 1,
};

// A control that shows a background image, an image and a title, each chosen per control state
// (the normal state's when the current state has none), and sends touch-up-inside when tapped.
// They are drawn by subviews: the background image view fills the button, the image and the
// title sit side by side in the middle. A system button's title takes the tint colour.
// not implemented: the dimming of highlighted images and titles
class UIButton : public UIControl {
    OBJC_CLASS(UIButton, UIControl)
public:
    explicit UIButton(CGRect frame = CGRectZero, UIButtonType type = UIButtonTypeCustom);
    static std::shared_ptr<UIButton> buttonWithType(UIButtonType type);

    UIButtonType buttonType() const { return m_buttonType; }

    void setTitle(std::string title, unsigned state);
    std::optional<std::string> titleForState(unsigned state) const;
    void setTitleColor(std::shared_ptr<UIColor> color, unsigned state);
    std::shared_ptr<UIColor> titleColorForState(unsigned state) const;
    void setImage(std::shared_ptr<UIImage> image, unsigned state);
    std::shared_ptr<UIImage> imageForState(unsigned state) const;
    void setBackgroundImage(std::shared_ptr<UIImage> image, unsigned state);
    std::shared_ptr<UIImage> backgroundImageForState(unsigned state) const;

    std::optional<std::string> currentTitle() const { return titleForState(state()); }
    std::shared_ptr<UIColor> currentTitleColor() const { return titleColorForState(state()); }
    std::shared_ptr<UIImage> currentImage() const { return imageForState(state()); }
    std::shared_ptr<UIImage> currentBackgroundImage() const { return backgroundImageForState(state()); }

    const std::shared_ptr<UILabel>& titleLabel();
    const std::shared_ptr<UIImageView>& imageView();

    void layoutSubviews() override;
    void dumpProperties(nlohmann::ordered_json& entry) const override;

protected:
    void stateDidChange() override { updateContent(); }

private:
    void updateContent();

    UIButtonType m_buttonType;
    std::map<unsigned, std::string> m_titles;
    std::map<unsigned, std::shared_ptr<UIColor>> m_titleColors;
    std::map<unsigned, std::shared_ptr<UIImage>> m_images;
    std::map<unsigned, std::shared_ptr<UIImage>> m_backgroundImages;
    std::shared_ptr<UIImageView> m_backgroundView;
    std::shared_ptr<UIImageView> m_imageView;
    std::shared_ptr<UILabel> m_titleLabel;
};
