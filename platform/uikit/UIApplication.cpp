#include "uikit/UIApplication.h"

#include "objc/ProcessLocal.h"
#include "uikit/UITouchDispatcher.h"
#include "uikit/UIWindow.h"

#include <algorithm>
#include <cctype>

namespace {

struct ProcessState {
    std::shared_ptr<UIApplication> application;
    // In the order they were last made key and visible; the last is the key window.
    std::vector<std::weak_ptr<UIWindow>> windows;
};

struct DeviceURLs {
    std::vector<std::string> claimedSchemes;
    std::vector<std::string> opened;
};

DeviceURLs& deviceURLs()
{
    static DeviceURLs s_urls;
    return s_urls;
}

std::string lowercaseScheme(std::string_view url)
{
    auto colon = url.find(':');
    if (colon == std::string_view::npos || colon == 0)
        return {};
    std::string scheme(url.substr(0, colon));
    std::transform(scheme.begin(), scheme.end(), scheme.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return scheme;
}

ProcessState& processState()
{
    static objc::ProcessLocal<ProcessState> s_state;
    return *s_state;
}

} // namespace

std::shared_ptr<UIApplication> UIApplication::sharedApplication()
{
    auto& application = processState().application;
    if (!application)
        application = std::make_shared<UIApplication>();
    return application;
}

void UIApplication::setSharedApplication(std::shared_ptr<UIApplication> application)
{
    processState().application = std::move(application);
}

std::vector<std::shared_ptr<UIWindow>> UIApplication::windows() const
{
    std::vector<std::shared_ptr<UIWindow>> alive;
    for (auto& entry : processState().windows) {
        if (auto window = entry.lock())
            alive.push_back(std::move(window));
    }
    std::stable_sort(alive.begin(), alive.end(),
        [](auto& lower, auto& upper) { return lower->windowLevel() < upper->windowLevel(); });
    return alive;
}

std::vector<std::shared_ptr<UIWindow>> UIApplication::windowsOnScreen() const
{
    auto shown = windows();
    std::erase_if(shown, [](auto& window) { return window->isHidden(); });
    return shown;
}

std::shared_ptr<UIWindow> UIApplication::keyWindow() const
{
    auto& list = processState().windows;
    for (auto entry = list.rbegin(); entry != list.rend(); ++entry) {
        if (auto window = entry->lock(); window && !window->isHidden())
            return window;
    }
    return nullptr;
}

void UIApplication::windowDidBecomeKeyAndVisible(const std::shared_ptr<UIWindow>& window)
{
    auto& list = processState().windows;
    std::erase_if(list, [&](auto& entry) { return entry.expired() || entry.lock() == window; });
    list.push_back(window);
}

void UIApplication::sendEvent(const std::shared_ptr<UITouch>& touch, UITouchPhase phase)
{
    auto& dispatcher = UITouchDispatcher::current();
    switch (phase) {
    case UITouchPhaseBegan:
        dispatcher.touchBegan(touch);
        break;
    case UITouchPhaseMoved:
        dispatcher.touchMoved();
        break;
    case UITouchPhaseEnded:
        dispatcher.touchEnded();
        break;
    }
}

bool UIApplication::canOpenURL(std::string_view url) const
{
    auto scheme = lowercaseScheme(url);
    if (scheme.empty())
        return false;
    if (scheme == "http" || scheme == "https")
        return true;
    auto& claimed = deviceURLs().claimedSchemes;
    return std::find(claimed.begin(), claimed.end(), scheme) != claimed.end();
}

bool UIApplication::openURL(std::string_view url)
{
    if (!canOpenURL(url))
        return false;
    deviceURLs().opened.emplace_back(url);
    return true;
}

void UIApplication::setClaimedURLSchemes(std::vector<std::string> schemes)
{
    for (auto& scheme : schemes)
        scheme = lowercaseScheme(scheme + ":");
    deviceURLs().claimedSchemes = std::move(schemes);
}

const std::vector<std::string>& UIApplication::claimedURLSchemes()
{
    return deviceURLs().claimedSchemes;
}

const std::vector<std::string>& UIApplication::openedURLs()
{
    return deviceURLs().opened;
}
