#pragma once

#include "support/host/HostFixture.h"

#include <memory>
#include <string>

class NSObject;
class PSListController;
class PSTableCell;
class UIView;

namespace preferences {
class SettingsApplication;
}

// The phone with Lumora loaded into its home screen and the Settings app open beside it, showing
// its own first page, with Lumora's preference bundle installed.
class PrefsScene {
public:
    explicit PrefsScene(springboard::Device device = {}, const Preferences& preferences = {});
    ~PrefsScene();

    HostFixture& fixture() { return m_fixture; }
    preferences::SettingsApplication& settings() { return *m_settings; }
    std::shared_ptr<PSListController> page() const;

    // The cell of the row with this identifier on the page shown (laid out); nothing if none.
    std::shared_ptr<PSTableCell> cell(const std::string& identifier) const;
    // Taps the row: fails the test when the page shows no such row.
    void select(const std::string& identifier);
    // Opens Lumora's root page, then each row named in turn.
    void openLumora(std::initializer_list<std::string> path = {});
    void layout() const;

    // The value stored in the preference file, or nothing.
    static std::shared_ptr<NSObject> stored(const std::string& key);

private:
    HostFixture m_fixture;
    std::unique_ptr<preferences::SettingsApplication> m_settings;
};
