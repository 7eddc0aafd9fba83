#pragma once

#include "preferences/PreferenceBundle.h"

#include <memory>
#include <vector>

class PSListController;
class UINavigationController;
class UIWindow;

namespace preferences {

// The Settings app: a process of its own beside the home-screen host, sharing only the device's
// disk. Launching it loads the preference bundles' code and shows its first page in a window
// over the home screen; closing it takes the window off the screen and keeps the pages as they
// are, as pressing the home button does. The process is thin: it lives in the runtime's current
// simulated process, so its classes are findable there, and whoever restarts the home-screen
// host ends it first (a phone's restart of the home screen ends the apps it ran too).
class SettingsApplication {
public:
    static constexpr double windowLevel = 500;

    explicit SettingsApplication(std::vector<PreferenceBundle>);
    ~SettingsApplication();
    SettingsApplication(const SettingsApplication&) = delete;
    SettingsApplication& operator=(const SettingsApplication&) = delete;

    void open();
    void close();
    bool isOpen() const;

    const std::shared_ptr<UINavigationController>& navigationController() const { return m_navigation; }
    const std::shared_ptr<UIWindow>& window() const { return m_window; }
    std::shared_ptr<PSListController> topPage() const;
    // The navigation bar's back button: the page before comes back. False on the first page.
    bool goBack();

private:
    std::shared_ptr<UIWindow> m_window;
    std::shared_ptr<UINavigationController> m_navigation;
};

} // namespace preferences
