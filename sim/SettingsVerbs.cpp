#include "ScriptRunner.h"

#include "social/SLComposeViewController.h"
#include "uikit/UIApplication.h"
#include "uikit/UIScrollView.h"

#include <algorithm>
#include <ostream>

namespace {

// Every scroll view around the view moves the least that brings it (or as much of it as fits)
// into sight.
void scrollTo(UIView& target)
{
    auto view = objc::retain(&target);
    for (auto ancestor = view->superview(); ancestor; ancestor = ancestor->superview()) {
        auto scroll = objc::cast<UIScrollView>(ancestor);
        if (!scroll)
            continue;
        auto rect = view->convertRectToView(view->bounds(), scroll.get());
        auto offset = scroll->contentOffset();
        auto visible = scroll->bounds().size.height;
        if (rect.origin.y + rect.size.height > offset.y + visible)
            offset.y = rect.origin.y + rect.size.height - visible;
        if (rect.origin.y < offset.y)
            offset.y = rect.origin.y;
        offset.y = std::clamp(offset.y, 0.0, std::max(0.0, scroll->contentSize().height - visible));
        scroll->setContentOffset(offset);
        view = scroll;
    }
}

} // namespace

// The verbs of the Settings app and of what it reaches on the device: accounts and addresses.
void ScriptRunner::runSettingsVerb(const Command& command)
{
    auto& verb = command.verb;
    auto& choice = command.choice;
    if (verb == "settings") {
        if (choice == "open")
            m_settings.open();
        else if (choice == "close")
            m_settings.close();
        else if (!m_settings.back())
            fail(command, "the Settings app shows no page to go back from");
    } else if (verb == "scroll-to") {
        scrollTo(*view(command, *command.target));
    } else if (verb == "type") {
        if (!SettingsSession::type(*view(command, *command.target), command.value.text))
            fail(
                command, command.target->text() + " is not a text row of the Settings app that takes typing");
    } else if (verb == "social-account") {
        SLComposeViewController::setAccountAvailable(SLServiceTypeTwitter, choice == "on");
    } else if (verb == "url-scheme") {
        auto schemes = UIApplication::claimedURLSchemes();
        std::erase(schemes, command.name);
        if (choice == "on")
            schemes.push_back(command.name);
        UIApplication::setClaimedURLSchemes(std::move(schemes));
    } else if (verb == "urls") {
        for (auto& url : UIApplication::openedURLs())
            m_out << url << "\n";
    } else if (verb == "expect-url") {
        auto& opened = UIApplication::openedURLs();
        if (opened.empty())
            fail(command, "expectation not met: no address was opened");
        if (opened.back() != command.name)
            fail(command, "expectation not met: the address opened last is " + opened.back());
    }
}
