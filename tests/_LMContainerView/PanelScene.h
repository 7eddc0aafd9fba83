#pragma once

#include "support/host/HostFixture.h"

#include <memory>
#include <string>
#include <string_view>

class LMView;
class UIView;

// A host booted with Lumora on a locked, lit device, seen through the panel it built: its
// areas found by their field names, the clock moved on, and touches made as a person would.
class PanelScene {
public:
    explicit PanelScene(springboard::Device device = {}, const Preferences& preferences = {});

    springboard::SpringBoard& host() { return m_fixture.host(); }
    const TemporaryDeviceRoot& deviceRoot() const { return m_fixture.deviceRoot(); }
    // The panel; a test that expects one fails when there is none.
    LMView& panel() const;

    // The view with this field name under the panel; none fails the test.
    std::shared_ptr<UIView> view(std::string_view field) const;
    template <class T> std::shared_ptr<T> view(std::string_view field) const
    {
        return std::dynamic_pointer_cast<T>(view(field));
    }
    CGRect frame(std::string_view field) const;
    std::string text(std::string_view field) const;
    // The attributed text of a label, attachments written as their image's name in brackets.
    std::string describedText(std::string_view field) const;

    void advance(double seconds);
    // Rewrites the preference file and reloads the settings, as the hooks do.
    void setPreferences(const Preferences&);

    void tap(std::string_view field);
    void tap(const UIView&);
    void longPress(std::string_view field);

private:
    static CGPoint screenCentre(const UIView&);

    HostFixture m_fixture;
};
