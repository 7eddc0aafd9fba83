#pragma once

#include <memory>
#include <string>

class Simulator;

namespace preferences {
class SettingsApplication;
}

// The Settings app beside the simulated home screen, with Lumora's preference bundle installed:
// launched by the first `settings open`, ended whenever SpringBoard restarts (a respring from a
// script, or the bundle's restart button asking the device to kill SpringBoard).
class SettingsSession {
public:
    explicit SettingsSession(Simulator&);
    ~SettingsSession();
    SettingsSession(const SettingsSession&) = delete;
    SettingsSession& operator=(const SettingsSession&) = delete;

    void open();
    // Whether it was open (it then goes to the background, as the home button sends it).
    bool close();
    // False on the first page.
    bool back();
    // Types into an edit-text row: false when the view is not such a row or inside one.
    static bool type(class UIView&, const std::string& text);

    // Restarts SpringBoard, ending the Settings app first.
    void respring();
    // After every command: a restart the device was asked for happens now.
    void afterCommand();

private:
    Simulator& m_simulator;
    std::unique_ptr<preferences::SettingsApplication> m_application;
};
