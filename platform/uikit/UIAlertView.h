#pragma once

#include "foundation/NSObjCRuntime.h"
#include "uikit/UIView.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class UIAlertViewDelegate;
class UIButton;

// A message with buttons over the whole screen. `show` puts it up, on top of everything, until
// one of its buttons is pressed (the delegate hears which, then the alert goes) or it is dismissed
// by code. While one is up it takes every touch. The cancel button, when there is one, has index
// 0 and the others follow in order; with exactly two buttons they sit side by side, the cancel
// button on the left, otherwise one above the other with the cancel button last.
class UIAlertView : public UIView {
    OBJC_CLASS(UIAlertView, UIView)
public:
    static constexpr CGFloat boxWidth = 270;
    static constexpr CGFloat buttonHeight = 44;

    // initWithTitle:message:delegate:cancelButtonTitle:otherButtonTitles:
    static std::shared_ptr<UIAlertView> create(std::string title, std::string message,
        std::weak_ptr<UIAlertViewDelegate> delegate, std::optional<std::string> cancelButtonTitle,
        std::vector<std::string> otherButtonTitles = {});

    const std::string& title() const { return m_title; }
    void setTitle(std::string);
    const std::string& message() const { return m_message; }
    void setMessage(std::string);
    std::shared_ptr<UIAlertViewDelegate> delegate() const { return m_delegate.lock(); }
    void setDelegate(std::weak_ptr<UIAlertViewDelegate> delegate) { m_delegate = std::move(delegate); }

    NSInteger addButtonWithTitle(std::string);
    NSInteger numberOfButtons() const { return static_cast<NSInteger>(m_buttonTitles.size()); }
    // Empty beyond the buttons.
    std::string buttonTitleAtIndex(NSInteger) const;
    // -1 without a cancel button.
    NSInteger cancelButtonIndex() const { return m_cancelButtonIndex; }
    // The view that draws a button, for a finger to find (after layout); nothing beyond the buttons.
    std::shared_ptr<UIButton> buttonViewAtIndex(NSInteger) const;

    bool isVisible() const;
    void show();
    // Closes the alert without telling the delegate of a press.
    void dismissWithClickedButtonIndex(NSInteger buttonIndex, bool animated);
    // The alerts up now, the topmost last.
    static std::vector<std::shared_ptr<UIAlertView>> visibleAlerts();

    void layoutSubviews() override;
    void dumpProperties(nlohmann::ordered_json& entry) const override;

private:
    void buttonPressed(NSInteger index);
    std::shared_ptr<UIButton> makeButton(NSInteger index);
    CGFloat placeLabel(const std::string& text, bool bold, CGFloat size, CGFloat y);

    std::string m_title;
    std::string m_message;
    std::weak_ptr<UIAlertViewDelegate> m_delegate;
    std::vector<std::string> m_buttonTitles;
    NSInteger m_cancelButtonIndex { -1 };
    std::shared_ptr<UIView> m_box;
    std::vector<std::shared_ptr<UIButton>> m_buttonViews;
};
