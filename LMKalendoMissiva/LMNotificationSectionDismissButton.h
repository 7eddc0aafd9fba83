#pragma once

#include "uikit/UIButton.h"

#include <memory>

namespace contracts {
class OBNotificationSection;
}

// The small button on a notification section header: a tap removes that app's notifications
// at once, without asking, and the panel's table follows.
class LMNotificationSectionDismissButton : public UIButton {
    OBJC_CLASS(LMNotificationSectionDismissButton, UIButton)
public:
    using UIButton::UIButton;

    // dismissButtonWithFrame:notificationSection:
    static std::shared_ptr<LMNotificationSectionDismissButton> dismissButtonWithFrame(
        CGRect frame, std::shared_ptr<contracts::OBNotificationSection> section);

    const std::shared_ptr<contracts::OBNotificationSection>& section() const { return m_section; }
    void buttonReleased(UIButton*);

private:
    std::shared_ptr<contracts::OBNotificationSection> m_section;
};
