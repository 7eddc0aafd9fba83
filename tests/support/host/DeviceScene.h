#pragma once

#include "support/host/HostFixture.h"

#include <memory>
#include <string>
#include <string_view>

class LMView;
class UIView;

// A host booted with Lumora on a locked, lit device, seen and touched as a person would: views
// found by their field names, a finger on the whole screen (so an open overlay or an alert takes
// the touches it covers), the clock moved on.
class DeviceScene {
public:
    explicit DeviceScene(springboard::Device device = {}, const Preferences& preferences = {});

    springboard::SpringBoard& host() { return m_fixture.host(); }
    const TemporaryDeviceRoot& deviceRoot() const { return m_fixture.deviceRoot(); }
    // The panel; a test that expects one fails when there is none (std::logic_error).
    LMView& panel() const;

    // The view with this field name under root, root included; none fails the test.
    static std::shared_ptr<UIView> view(const UIView& root, std::string_view field);
    template <class T> static std::shared_ptr<T> view(const UIView& root, std::string_view field)
    {
        return std::dynamic_pointer_cast<T>(view(root, field));
    }
    // The same under the panel.
    std::shared_ptr<UIView> view(std::string_view field) const;
    template <class T> std::shared_ptr<T> view(std::string_view field) const
    {
        return std::dynamic_pointer_cast<T>(view(field));
    }
    CGRect frame(std::string_view field) const;
    std::string text(std::string_view field) const;
    // The attributed text of a panel label, attachments written as their image's name in brackets.
    std::string describedText(std::string_view field) const;

    void advance(double seconds);
    // Rewrites the preference file and reloads the settings, as the hooks do.
    void setPreferences(const Preferences&);

    // A finger at the middle of the view as it shows on the screen.
    void tap(const UIView&);
    void tap(std::string_view panelField);
    void tapAt(CGPoint screenPoint);
    void longPress(std::string_view panelField);
    bool pressAlertButton(std::string_view title);

private:
    HostFixture m_fixture;
};
