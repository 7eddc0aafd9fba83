#pragma once

#include "foundation/NSObjCRuntime.h"
#include "overlays/LMDisplayOverlay.h"

#include <memory>
#include <optional>
#include <string_view>

class UIButton;
class UIColor;
class UIImageView;
class UILabel;
namespace contracts {
class OBNotificationRow;
}

// The detail of one notification: its app's icon, the app and the date, title, subtitle and
// message, the attached picture where the screen has room for it, and buttons to launch it,
// dismiss it and, for Messages and Mail, run one of its own actions. An action button shows only
// when the notification has the action it runs.
class LMSingleNotificationDisplayView : public LMDisplayOverlay {
    OBJC_CLASS(LMSingleNotificationDisplayView, LMDisplayOverlay)
public:
    static std::shared_ptr<LMSingleNotificationDisplayView> sharedInstance();
    // Makes the overlay (what `new` does); nothing when the base could not be made.
    static std::shared_ptr<LMSingleNotificationDisplayView> create();

    void updateFrame() override;
    // Fills the overlay with the notification and lays it out; the table calls it before show.
    void updateRow(const std::shared_ptr<contracts::OBNotificationRow>&);

    void hideNotificationActionButtons();
    void showNotificationAction1Button();
    void showNotificationAction2Button();

    void launchAppButtonReleased(UIButton*);
    void dismissNotificationButtonReleased(UIButton*);
    void notificationActionButton1Released(UIButton*);
    void notificationActionButton2Released(UIButton*);
    // Removes the notification shown from the device and reloads the table without it.
    void clearRepresentedNotification();

    bool isPortrait() const;
    bool isMessagesApp() const;
    bool isMailApp() const;

    const std::shared_ptr<contracts::OBNotificationRow>& row() const { return m_row; }
    const std::shared_ptr<UIImageView>& appIconImageView() const { return m_appIconImageView; }
    const std::shared_ptr<UILabel>& appNameLabel() const { return m_appNameLabel; }
    const std::shared_ptr<UILabel>& notificationDescriptionLabel() const
    {
        return m_notificationDescriptionLabel;
    }
    const std::shared_ptr<UIImageView>& attachmentImageView() const { return m_attachmentImageView; }
    const std::shared_ptr<UIButton>& launchAppButton() const { return m_launchAppButton; }
    const std::shared_ptr<UIButton>& dismissNotificationButton() const { return m_dismissNotificationButton; }
    const std::shared_ptr<UIButton>& notificationAction1Button() const { return m_notificationAction1Button; }
    const std::shared_ptr<UIButton>& notificationAction2Button() const { return m_notificationAction2Button; }

protected:
    bool resetsLockScreenDim() const override;
    bool laysOutOnShow() const override { return false; }

private:
    void buildContent();
    std::shared_ptr<UILabel> addLabel(const char* identifier, NSInteger lines);
    std::shared_ptr<UIButton> addButton(const char* identifier, std::shared_ptr<UIColor> background,
        void (LMSingleNotificationDisplayView::*action)(UIButton*));
    std::shared_ptr<UILabel> addButtonLabel(const char* identifier, std::string_view text);
    // The action index each button runs for this app, when the notification has it.
    std::optional<int> action1Index() const;
    std::optional<int> action2Index() const;
    void runAction(int index);
    // The picture shows only on a screen of size code 3 or more.
    bool showsAttachment() const;
    void setActionButton(UIButton&, UILabel&, std::string_view colour, std::string_view title);

    std::shared_ptr<UIColor> m_themeColor;
    std::shared_ptr<UIImageView> m_appIconImageView;
    std::shared_ptr<UILabel> m_appNameLabel;
    std::shared_ptr<UILabel> m_notificationDescriptionLabel;
    std::shared_ptr<UIImageView> m_attachmentImageView;
    std::shared_ptr<UIButton> m_launchAppButton;
    std::shared_ptr<UILabel> m_launchAppButtonLabel;
    std::shared_ptr<UIButton> m_dismissNotificationButton;
    std::shared_ptr<UILabel> m_dismissNotificationButtonLabel;
    std::shared_ptr<UIButton> m_notificationAction1Button;
    std::shared_ptr<UILabel> m_notificationAction1ButtonLabel;
    std::shared_ptr<UIButton> m_notificationAction2Button;
    std::shared_ptr<UILabel> m_notificationAction2ButtonLabel;
    std::shared_ptr<contracts::OBNotificationRow> m_row;
};
