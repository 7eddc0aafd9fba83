#include "social/SLComposeViewController.h"

#include "uikit/UIButton.h"
#include "uikit/UIColor.h"
#include "uikit/UIFont.h"
#include "uikit/UILabel.h"
#include "uikit/UIScreen.h"

#include <algorithm>

namespace {

struct Accounts {
    std::vector<std::string> services;
    std::vector<std::string> posts;
};

Accounts& accounts()
{
    static Accounts s_accounts;
    return s_accounts;
}

constexpr CGFloat sheetMargin = 20;
constexpr CGFloat sheetHeight = 200;
constexpr CGFloat barHeight = 44;

} // namespace

bool SLComposeViewController::isAvailableForServiceType(std::string_view service)
{
    auto& services = accounts().services;
    return std::find(services.begin(), services.end(), service) != services.end();
}

std::shared_ptr<SLComposeViewController> SLComposeViewController::composeViewControllerForServiceType(
    std::string_view service)
{
    if (!isAvailableForServiceType(service))
        return nullptr;
    auto sheet = std::make_shared<SLComposeViewController>();
    sheet->m_serviceType = std::string(service);
    return sheet;
}

void SLComposeViewController::setAccountAvailable(std::string_view service, bool available)
{
    auto& services = accounts().services;
    std::erase(services, std::string(service));
    if (available)
        services.emplace_back(service);
}

const std::vector<std::string>& SLComposeViewController::posts()
{
    return accounts().posts;
}

bool SLComposeViewController::setInitialText(std::string text)
{
    m_initialText = std::move(text);
    if (m_textLabel)
        m_textLabel->setText(m_initialText);
    return true;
}

void SLComposeViewController::loadView()
{
    auto screen = UIScreen::mainScreen()->bounds();
    auto dimmed = UIView::create(screen);
    dimmed->setBackgroundColor(UIColor::colorWithWhite(0, 0.4));
    dimmed->setAccessibilityIdentifier("composeSheet");
    auto card = UIView::create(CGRectMake(sheetMargin, 80, screen.size.width - 2 * sheetMargin, sheetHeight));
    card->setBackgroundColor(UIColor::colorWithWhite(0.97, 1));
    dimmed->addSubview(card);
    auto makeButton = [&](const char* title, CGFloat x, void (SLComposeViewController::*action)(UIButton*)) {
        auto button = UIButton::buttonWithType(UIButtonTypeSystem);
        button->setTitle(title, UIControlStateNormal);
        button->setTitleColor(UIColor::colorWithRed(0, 122 / 255.0, 1, 1), UIControlStateNormal);
        button->setFrame(CGRectMake(x, 0, 80, barHeight));
        button->setAccessibilityIdentifier(title);
        button->addTarget(std::static_pointer_cast<SLComposeViewController>(shared_from_this()), action,
            UIControlEventTouchUpInside);
        card->addSubview(button);
    };
    makeButton("Cancel", 0, &SLComposeViewController::cancel);
    makeButton("Post", card->width() - 80, &SLComposeViewController::post);
    m_textLabel
        = UILabel::create(CGRectMake(12, barHeight, card->width() - 24, sheetHeight - barHeight - 12));
    m_textLabel->setAccessibilityIdentifier("initialText");
    m_textLabel->setNumberOfLines(0);
    m_textLabel->setFont(UIFont::systemFontOfSize(17));
    m_textLabel->setTextColor(UIColor::blackColor());
    m_textLabel->setText(m_initialText);
    card->addSubview(m_textLabel);
    setView(dimmed);
}

void SLComposeViewController::post(UIButton*)
{
    accounts().posts.push_back(m_initialText);
    close();
}

void SLComposeViewController::cancel(UIButton*)
{
    close();
}

void SLComposeViewController::close()
{
    if (isViewLoaded())
        view()->removeFromSuperview();
}
