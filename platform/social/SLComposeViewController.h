#pragma once

#include "uikit/UIViewController.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class UIButton;
class UILabel;

inline constexpr std::string_view SLServiceTypeTwitter = "com.apple.social.twitter";

// The sheet in which the user writes a post for a social service, with the text an app put in
// it. A service is available when the device has an account for it (whoever boots the device
// says which). "Post" records the post and closes the sheet; "Cancel" closes it.
// not implemented: editing the text, images and links, the completion handler
class SLComposeViewController : public UIViewController {
    OBJC_CLASS(SLComposeViewController, UIViewController)
public:
    static bool isAvailableForServiceType(std::string_view service);
    // Nothing for a service without an account.
    static std::shared_ptr<SLComposeViewController> composeViewControllerForServiceType(
        std::string_view service);

    static void setAccountAvailable(std::string_view service, bool available);
    // The texts posted on this device, oldest first.
    static const std::vector<std::string>& posts();

    const std::string& serviceType() const { return m_serviceType; }
    const std::string& initialText() const { return m_initialText; }
    bool setInitialText(std::string text);

    void loadView() override;

private:
    void post(UIButton*);
    void cancel(UIButton*);
    void close();

    std::string m_serviceType;
    std::string m_initialText;
    std::shared_ptr<UILabel> m_textLabel;
};
