#pragma once

#include "support/host/HostFixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

class LMView;
class UIView;

// A host booted with Lumora on a locked, lit device, with the Clock store, seen as a person
// sees it: the panel's areas and an overlay's views found by their field names, taps at their
// centres on the whole screen, the clock moved on.
class OverlayScene {
public:
    explicit OverlayScene(springboard::Device device = {}, const Preferences& preferences = {});

    LMView& panel() const;
    // The view with this field name under the root; none fails the test (std::logic_error).
    static std::shared_ptr<UIView> find(const UIView& root, std::string_view field);
    std::shared_ptr<UIView> overlayView(const UIView& overlay, std::string_view field) const
    {
        return find(overlay, field);
    }
    // The panel label's attributed text, attachments written as their image's name in brackets.
    std::string panelText(std::string_view field) const;

    void advance(double seconds);
    // Rewrites the preference file and reloads the settings, as the hooks do.
    void setPreferences(const Preferences&);

    void tapAt(CGPoint screenPoint);
    void tapPanel(std::string_view field);
    void longPressPanel(std::string_view field);
    void tapOverlay(const UIView& overlay, std::string_view field);
    bool pressAlertButton(std::string_view title);

    // The whole screen against tests/overlays/reference/NAME.png.
    testing::AssertionResult matchesReference(const std::string& name) const;

private:
    HostFixture m_fixture;
};
