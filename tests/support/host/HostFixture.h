#pragma once

#include "session/DeviceSession.h"
#include "session/TemporaryDeviceRoot.h"

#include <memory>

// Boots a simulated SpringBoard with Lumora loaded, on a device the test describes. The device
// gets a disk of its own, holding the resource bundle and the preference file. When the fixture
// goes (or endProcess is called) the process ends, and the test fails if any object made in it
// is still alive.
class HostFixture {
public:
    explicit HostFixture(springboard::Device device = {}, const Preferences& preferences = {});
    ~HostFixture();

    springboard::SpringBoard& host() { return m_session->host(); }
    const TemporaryDeviceRoot& deviceRoot() const { return m_deviceRoot; }

    // Rewrites the preference file; Lumora sees it at its next reload.
    void writePreferences(const Preferences&) const;
    // Ends the process now and fails the test when objects of it outlive it.
    void endProcess();

private:
    TemporaryDeviceRoot m_deviceRoot;
    std::unique_ptr<DeviceSession> m_session;
};
