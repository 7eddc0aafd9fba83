#pragma once

#include "springboard/SpringBoard.h"
#include "support/TemporaryDeviceRoot.h"

#include <map>
#include <memory>
#include <string>

// Preference keys and the text stored for each, as the Settings app writes them.
using Preferences = std::map<std::string, std::string>;

// Boots a simulated SpringBoard with Lumora loaded, on a device the test describes. The device
// gets a disk of its own, holding the resource bundle and the preference file.
class HostFixture {
public:
    explicit HostFixture(springboard::Device device = {}, const Preferences& preferences = {});

    springboard::SpringBoard& host() { return *m_host; }
    const TemporaryDeviceRoot& deviceRoot() const { return m_deviceRoot; }

    // Rewrites the preference file; Lumora sees it at its next reload.
    void writePreferences(const Preferences&) const;

private:
    TemporaryDeviceRoot m_deviceRoot;
    std::unique_ptr<springboard::SpringBoard> m_host;
};
